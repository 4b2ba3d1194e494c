#pragma once

#include "settings/settingsfile.h"

#include <QString>

class QWidget;

// The start folder of the Open command's file dialog, read from the settings
// file and asked for with the folder browser while none is stored. Keeps the
// browser's last confirmed item (`SelectedFolder`) for the whole run.
class StartFolder {
public:
    StartFolder() = default;
    explicit StartFolder(SettingsFile settings) : settings_(std::move(settings)) {}

    // Reads "startdir" of section "settings"; while it is missing or empty,
    // shows the browser owned by `owner` and stores the selected folder
    // (whatever the user did), then reads it again with "c:\" as default and
    // returns it untested. A refused store raises "Unable to write to <path>".
    [[nodiscard]] QString startFolder(QWidget *owner);

    // The browser's last confirmed item; empty until the user confirms one.
    [[nodiscard]] const QString &SelectedFolder() const { return selectedFolder_; }

    [[nodiscard]] const SettingsFile &settings() const { return settings_; }

private:
    SettingsFile settings_;
    QString selectedFolder_;
};
