// Figures for the notes window: loading a 1 MB RTF notes file into the
// control, saving the same text, and one key press in the 1 MB document
// (the key event with the repaint it causes). Runs offscreen unless a
// platform is named.

#include "notes/notesedit.h"
#include "notes/noteswindow.h"
#include "notes/rtf/rtfreader.h"
#include "notes/rtf/rtfwriter.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <cstdio>

namespace {

// About `bytes` of RTF: paragraphs of some 80 characters, each with a bold
// word, a coloured word and a few characters outside ASCII.
RichText sampleNotes(qsizetype bytes)
{
    RichText notes;
    notes.defaultFormat = CharFormat{QStringLiteral("DejaVu Sans"), 0, 20, qRgb(0, 0, 0)};
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red;
    red.setForeground(QColor(200, 0, 0));
    for (int n = 0; RtfWriter::write(notes).size() < bytes; ++n) {
        for (int i = 0; i < 100; ++i, ++n) {
            notes.append(QStringLiteral("Entry %1 of the palette, café crème: ").arg(n), {});
            notes.append(QStringLiteral("darker"), bold);
            notes.append(QStringLiteral(" than the sky, "), {});
            notes.append(QStringLiteral("red 200"), red);
            notes.append(QStringLiteral(" in spring.") + QChar::ParagraphSeparator, {});
        }
    }
    return notes;
}

// The layout of a new document runs in steps between events; it is done
// once the last paragraph has lines.
double layoutDoneMs(const QTextDocument &document)
{
    QElapsedTimer timer;
    timer.start();
    while (document.lastBlock().layout()->lineCount() == 0 && timer.elapsed() < 10000)
        QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

double keyPressMs(NotesEdit &edit, int atBlock)
{
    edit.setTextCursor(QTextCursor(edit.document()->findBlockByNumber(atBlock)));
    edit.setFocus();
    return averageMs(50, [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&edit, &press);
        QApplication::sendEvent(&edit, &release);
        edit.viewport()->repaint();
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');

    const QByteArray rtf = RtfWriter::write(sampleNotes(1 << 20));
    QFile file(folder + QLatin1String(NotesFile::kFileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return 1;
    file.close();

    TForm4 window(folder);
    NotesEdit &edit = *window.richEdit();
    window.runNotesCommand();
    layoutDoneMs(*edit.document());

    const double parse = averageMs(10, [&] { static_cast<void>(RtfReader::read(rtf)); });
    const double load = averageMs(5, [&] {
        window.runNotesCommand(); // unmodified: loads the file again
        edit.viewport()->repaint();
    });
    const double layout = layoutDoneMs(*edit.document());

    // Text typed without formats: about one character a byte.
    RichText typed;
    typed.defaultFormat = sampleNotes(0).defaultFormat;
    const QString line = QStringLiteral("Typed notes about palette entries, one line after another.");
    while (typed.plainText().size() < (1 << 20)) // ~1 MB
        typed.append(QString(line + QChar::ParagraphSeparator).repeated(1000), {});
    const QByteArray typedRtf = RtfWriter::write(typed);
    file.open(QIODevice::WriteOnly);
    file.write(typedRtf);
    file.close();
    const double typedLoad = averageMs(5, [&] {
        window.runNotesCommand();
        edit.viewport()->repaint();
    });
    layoutDoneMs(*edit.document());
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return 1;
    file.close();
    window.runNotesCommand();
    layoutDoneMs(*edit.document());
    const double save = averageMs(5, [&] { window.Save1Click(); });
    const double write = averageMs(10, [&] { static_cast<void>(RtfWriter::write(edit.richText())); });
    const int paragraphs = edit.document()->blockCount();
    const double key = keyPressMs(edit, paragraphs / 2);

    // The worst case: the same amount of text as one paragraph.
    RichText oneParagraph;
    oneParagraph.append(edit.toPlainText().replace(QChar::ParagraphSeparator, QLatin1Char(' ')), {});
    edit.setRichText(oneParagraph);
    layoutDoneMs(*edit.document());
    const double longKey = keyPressMs(edit, 0);

    std::printf("platform:                          %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("notes file:                        %lld bytes of RTF, %d paragraphs, %d characters\n",
                qlonglong(rtf.size()), paragraphs, int(oneParagraph.plainText().size()));
    std::printf("load into the control + paint:     %.2f ms (target < 100 ms)\n", load);
    std::printf("  of which reading the RTF:        %.2f ms\n", parse);
    std::printf("  layout finished between events:  %.2f ms later\n", layout);
    std::printf("load, %lld bytes in one format: %.2f ms\n", qlonglong(typedRtf.size()), typedLoad);
    std::printf("save (convert, write, sync):       %.2f ms (target < 50 ms)\n", save);
    std::printf("  of which converting and writing: %.2f ms\n", write);
    std::printf("key press in the 1 MB document:    %.3f ms (target < 16 ms)\n", key);
    std::printf("key press in one 1 MB paragraph:   %.3f ms\n", longKey);
    return 0;
}
