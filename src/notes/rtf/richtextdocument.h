#pragma once

#include "notes/rtf/richtext.h"

class QTextCursor;
class QTextDocument;

// Moves rich text in and out of a QTextDocument, keeping only the
// character formats the notes carry (CharFormat::kept).
class RichTextDocument {
public:
    // The document's text as runs, paragraphs separated as in RichText;
    // images and other objects are left out. The default format is not set.
    [[nodiscard]] static RichText contentOf(const QTextDocument &document);
    // Inserts the runs at the cursor, as one edit.
    static void insert(QTextCursor &cursor, const std::vector<TextRun> &runs);
};
