#include "settings/settingsfile.h"

#include "platform/core/exceptions.h"
#include "platform/core/inifile.h"
#include "platform/core/programfolder.h"

namespace {

const QString fileName = QStringLiteral("rozirazuz.INI");

} // namespace

SettingsFile::SettingsFile() : path_(programFolder() + fileName) {}

SettingsFile::SettingsFile(const QString &folder)
    : path_(folder.endsWith(QLatin1Char('/')) ? folder + fileName : folder + QLatin1Char('/') + fileName)
{
}

QString SettingsFile::ReadSetting(const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    return IniFile(path_).readString(section, key, defaultValue);
}

void SettingsFile::WriteSetting(const QString &section, const QString &key, const QString &value) const
{
    if (!IniFile(path_).writeString(section, key, value))
        throw Exception(QStringLiteral("Unable to write to ") + path_);
}
