#include "notes/notesedit.h"

#include "notes/rtf/richtextdocument.h"
#include "notes/rtf/rtfreader.h"
#include "platform/gui/errorreporting.h"

#include <QApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The clipboard and drag-and-drop names of rich text.
const QStringList &rtfMimeTypes()
{
    static const QStringList types = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                      QStringLiteral("text/richtext")};
    return types;
}

} // namespace

NotesEdit::NotesEdit(const CharFormat &defaultFormat, QWidget *parent)
    : QTextEdit(parent), defaultFormat_(defaultFormat)
{
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QScrollBar *bar = verticalScrollBar();
    bar->setEnabled(false);
    connect(bar, &QScrollBar::rangeChanged, bar, [bar](int min, int max) { bar->setEnabled(max > min); });
    updatePalette();
}

void NotesEdit::setDefaultFormat(const CharFormat &format)
{
    defaultFormat_ = format;
    setFont(format.font());
    updatePalette();
    viewport()->update();
}

// The text colour is the default format's; the selection is drawn neither
// filled nor recoloured while the control has no focus, so it is not seen.
void NotesEdit::updatePalette()
{
    QPalette colours = QApplication::palette(this);
    if (defaultFormat_.colour)
        colours.setColor(QPalette::Text, QColor::fromRgb(*defaultFormat_.colour));
    colours.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush());
    colours.setBrush(QPalette::Inactive, QPalette::HighlightedText, QBrush());
    setPalette(colours);
}

RichText NotesEdit::richText() const
{
    RichText text = RichTextDocument::contentOf(*document());
    text.defaultFormat = defaultFormat_;
    return text;
}

// The text goes into a new document that takes the old one's place: filled
// away from the layout it is much quicker, and the layout of a document
// that is new then runs in steps between events.
void NotesEdit::setRichText(const RichText &text)
{
    if (text.defaultFormat)
        setDefaultFormat(*text.defaultFormat);
    const int position = textCursor().position();

    auto *content = new QTextDocument(this);
    content->setDefaultFont(font());
    content->setUndoRedoEnabled(false);
    QTextCursor cursor(content);
    RichTextDocument::insert(cursor, text.runs);
    content->setUndoRedoEnabled(true);
    content->setModified(false);

    // The first document belongs to the control inside, which deletes it
    // itself; the later ones are this widget's.
    QTextDocument *old = document();
    const bool ours = old->parent() == this;
    setDocument(content);
    if (ours)
        delete old;

    QTextCursor place(content);
    place.setPosition(std::min(position, content->characterCount() - 1));
    setTextCursor(place);
}

bool NotesEdit::canInsertFromMimeData(const QMimeData *source) const
{
    for (const QString &type : rtfMimeTypes())
        if (source->hasFormat(type))
            return true;
    return QTextEdit::canInsertFromMimeData(source);
}

void NotesEdit::insertFromMimeData(const QMimeData *source)
{
    guarded([&] { insertMimeData(source); });
}

// Rich text first, then HTML, then plain text, as the source offers them.
// Properties that equal the default format are dropped, so the pasted text
// follows the default format as typed text does.
void NotesEdit::insertMimeData(const QMimeData *source)
{
    for (const QString &type : rtfMimeTypes()) {
        if (!source->hasFormat(type))
            continue;
        if (const std::optional<RichText> rich = RtfReader::read(source->data(type))) {
            insertRuns(rich->runs);
            return;
        }
    }
    if (source->hasHtml()) {
        QTextDocument scratch;
        scratch.setHtml(source->html());
        insertRuns(RichTextDocument::contentOf(scratch).runs);
        return;
    }
    if (source->hasText())
        insertPlainText(source->text());
}

void NotesEdit::insertRuns(const std::vector<TextRun> &runs)
{
    std::vector<TextRun> own;
    own.reserve(runs.size());
    for (const TextRun &run : runs)
        own.push_back(
            {run.text, CharFormat::resolved(run.format, defaultFormat_).ownFormat(&defaultFormat_)});
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    RichTextDocument::insert(cursor, own);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}
