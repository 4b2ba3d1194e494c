#include "notes/richtextdocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

RichText RichTextDocument::contentOf(const QTextDocument &document)
{
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(QString(QChar::ParagraphSeparator), CharFormat::kept(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                continue;
            QString part = fragment.text();
            part.remove(QChar::ObjectReplacementCharacter);
            text.append(part, CharFormat::kept(fragment.charFormat()));
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
