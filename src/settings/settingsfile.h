#pragma once

#include <QString>

// The settings file "rozirazuz.INI" in the program's folder. Nothing is
// cached: every read and write goes to the file, so a hand edit counts at
// the next call.
class SettingsFile {
public:
    // The file in the folder of the running executable.
    SettingsFile();
    // The file in `folder` (with or without a trailing "/").
    explicit SettingsFile(const QString &folder);

    // The settings file's full path.
    [[nodiscard]] const QString &path() const { return path_; }

    // The value of `key` in `section`, at most 2047 characters; `defaultValue`
    // only when the file, the section or the key is missing (or the file
    // cannot be read). An empty value is returned as the empty text.
    [[nodiscard]] QString ReadSetting(const QString &section, const QString &key,
                                      const QString &defaultValue) const;
    // Stores `value` verbatim, creating the file and the section when they are
    // missing and keeping everything else in the file. A refused write raises
    // Exception "Unable to write to <full path>" and leaves the file as it was.
    void WriteSetting(const QString &section, const QString &key, const QString &value) const;

private:
    QString path_;
};
