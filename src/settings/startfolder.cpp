#include "settings/startfolder.h"

#include "platform/gui/dialogs.h"

namespace {

const QString section = QStringLiteral("settings");
const QString key = QStringLiteral("startdir");

} // namespace

QString StartFolder::startFolder(QWidget *owner)
{
    // Blanks count as a value: only the empty text asks the user.
    if (settings_.ReadSetting(section, key, QString()).isEmpty()) {
        const std::optional<QString> confirmed = dialogs().browseForFolder(
            owner, {QStringLiteral("Select SPL/PAL File Directory"), selectedFolder_});
        if (confirmed)
            selectedFolder_ = *confirmed;
        settings_.WriteSetting(section, key, selectedFolder_);
    }
    return settings_.ReadSetting(section, key, QStringLiteral("c:\\"));
}
