#pragma once

#include "notes/rtf/charformat.h"
#include "notes/rtf/richtext.h"

#include <QTextEdit>

// The notes control: rich text that wraps at the control's width, a
// vertical scroll bar that is always there and disabled while the text
// fits, and a selection that is hidden while the control has no focus.
// Text without properties of its own shows in the default format; pasted or
// dropped rich text keeps its character formats.
class NotesEdit : public QTextEdit {
    Q_OBJECT

public:
    // Until setDefaultFormat() the control shows its parent's font;
    // `defaultFormat` describes it for the notes file.
    explicit NotesEdit(const CharFormat &defaultFormat, QWidget *parent = nullptr);

    [[nodiscard]] const CharFormat &defaultFormat() const { return defaultFormat_; }
    // Shows all text without properties of its own in `format` at once.
    void setDefaultFormat(const CharFormat &format);

    // The whole content, with the default format.
    [[nodiscard]] RichText richText() const;
    // Replaces the whole content; a default format the text names becomes
    // the control's. The content counts as unmodified afterwards, and the
    // cursor stays where it was as far as the new text reaches.
    void setRichText(const RichText &text);

protected:
    [[nodiscard]] bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void updatePalette();
    void insertRuns(const std::vector<TextRun> &runs);
    void insertMimeData(const QMimeData *source);

    CharFormat defaultFormat_;
};
