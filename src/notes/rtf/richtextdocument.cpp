#include "notes/rtf/richtextdocument.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

// Fragments share formats, so each is kept once, by its index in the
// document.
RichText RichTextDocument::contentOf(const QTextDocument &document)
{
    RichText text;
    QHash<int, QTextCharFormat> keptFormats;
    const auto keptFormat = [&](int index, const QTextCharFormat &format) -> const QTextCharFormat & {
        auto found = keptFormats.find(index);
        if (found == keptFormats.end())
            found = keptFormats.insert(index, CharFormat::kept(format));
        return *found;
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // A paragraph break goes with the text before it.
        if (block != document.begin() && !text.runs.empty())
            text.runs.back().text += QChar::ParagraphSeparator;
        else if (block != document.begin())
            text.append(QString(QChar::ParagraphSeparator), {});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat())
                continue;
            QString part = fragment.text();
            part.remove(QChar::ObjectReplacementCharacter);
            text.append(part, keptFormat(fragment.charFormatIndex(), format));
        }
    }
    return text;
}

void RichTextDocument::insert(QTextCursor &cursor, const std::vector<TextRun> &runs)
{
    cursor.beginEditBlock();
    for (const TextRun &run : runs)
        cursor.insertText(run.text, run.format);
    cursor.endEditBlock();
}
