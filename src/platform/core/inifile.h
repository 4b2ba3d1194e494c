#pragma once

#include <QString>

// One INI file in the profile format: "[section]" lines, below each
// "key=value" lines. Every call reads the file anew, so a hand edit made
// between two calls counts at the next one.
//
// The rules of the format as this program applies them:
// - The file is UTF-8 (a leading byte order mark is allowed and kept).
// - Section and key names compare without regard to case, blanks around them
//   ignored; the first matching section and, in it, the first matching key win.
// - The value is everything after the first "=", kept verbatim: blanks,
//   quotes and backslashes are part of it. Only the line break goes, "\r\n"
//   as well as "\n".
// - Lines beginning with ";" are comments; lines that are neither a section,
//   a key nor a comment are kept and otherwise ignored.
class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    [[nodiscard]] const QString &path() const { return path_; }

    // A value reads back at most this long, as through the profile call's
    // buffer of 2048 characters.
    static constexpr qsizetype maxValueLength = 2047;

    // The value of `key` in `section`; `defaultValue` when the file, the
    // section or the key is missing, or the file cannot be read. A key with an
    // empty value yields the empty text, not the default.
    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &defaultValue) const;

    // Stores `value` under `key` in `section`: replaces the key's line where it
    // stands, else adds the key after the section's last key, else adds the
    // section at the end of the file; creates the file when it is missing.
    // Every other byte of the file stays, line endings in the file's own style.
    // The file is replaced whole (temporary file, then rename; written
    // directly when only the file itself is writable), so a failed write
    // leaves the old file. Returns false when the write is refused: the file
    // cannot be read or written, or a name or the value cannot be stored on
    // one line (see isStorable()).
    [[nodiscard]] bool writeString(const QString &section, const QString &key, const QString &value) const;

    // Whether the three can be written so that they read back as given: no
    // line breaks, a section name without "]", a key without "=" that does
    // not read as a section or comment line, neither name blank.
    [[nodiscard]] static bool isStorable(const QString &section, const QString &key, const QString &value);

private:
    QString path_;
};
