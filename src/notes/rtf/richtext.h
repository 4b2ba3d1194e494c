#pragma once

#include "notes/rtf/charformat.h"

#include <QString>
#include <QTextCharFormat>

#include <optional>
#include <vector>

// One stretch of text in one format. Paragraphs are separated by
// QChar::ParagraphSeparator, line breaks inside a paragraph are
// QChar::LineSeparator, as in a QTextDocument's blocks.
struct TextRun {
    QString text;
    QTextCharFormat format; // only the properties of the text's own

    friend bool operator==(const TextRun &, const TextRun &) = default;
};

// The whole content of the notes control, as the notes file carries it.
struct RichText {
    // The format text without properties of its own is shown in. The notes
    // file names it; rich text of other programs does not.
    std::optional<CharFormat> defaultFormat;
    std::vector<TextRun> runs;

    // Adds text, joining it to the last run when the format is the same.
    void append(QStringView text, const QTextCharFormat &format);
    [[nodiscard]] QString plainText() const;

    friend bool operator==(const RichText &, const RichText &) = default;
};
