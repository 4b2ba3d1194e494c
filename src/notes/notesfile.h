#pragma once

#include "notes/rtf/richtext.h"

#include <QString>

// The notes file "colorinfo.txt" in a folder (the program folder): rich
// text as RtfWriter writes it, despite its name. Reading also takes a file
// that is not rich text, as plain text.
class NotesFile {
public:
    static constexpr const char *kFileName = "colorinfo.txt";
    // The largest file the notes take in (64 MiB).
    static constexpr qint64 kMaxBytes = qint64(64) << 20;

    // `folder` ends with a separator.
    explicit NotesFile(const QString &folder, qint64 maxBytes = kMaxBytes);

    [[nodiscard]] const QString &path() const { return path_; }
    [[nodiscard]] bool exists() const;

    // The file's content: rich text, or else its plain text, where a CR, an
    // LF or a CR LF each end a line and the text is UTF-8 when it reads as
    // such, code page 1252 otherwise. Raises EFOpenError "Cannot open file
    // <path>" when the file cannot be opened, and EOutOfResources "Failed to
    // Load Stream" when it cannot be read or is larger than the limit.
    [[nodiscard]] RichText read() const;

    // Replaces the file with `text` as rich text, through a new file that
    // takes the old one's place only once it is complete: a failure leaves
    // the old file as it was. Raises EFCreateError "Cannot create file
    // <path>" when the new file cannot be made or the old one is read-only,
    // and EOutOfResources "Failed to Save Stream" when writing it fails.
    void write(const RichText &text) const;

private:
    QString path_;
    qint64 maxBytes_;
};
