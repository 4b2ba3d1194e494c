#include "notes/noteswindow.h"
#include "notes/fontdialog.h"
#include "notes/notesedit.h"
#include "notes/rtf/rtfreader.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// A notes window whose notes file lies in a scratch folder.
struct NotesFixture {
    TempDir dir;
    TForm4 window{dir.folder() + QLatin1Char('/')};

    NotesFixture() { recordedDialogs().reset(); }
    NotesEdit &edit() { return *window.richEdit(); }
    void writeNotes(const QByteArray &bytes) const { dir.write(QStringLiteral("colorinfo.txt"), bytes); }
    [[nodiscard]] QByteArray savedNotes() const { return dir.read(QStringLiteral("colorinfo.txt")); }
    void type(const QString &text)
    {
        edit().setFocus();
        QTest::keyClicks(&edit(), text);
    }
    QAction *command(const QString &caption)
    {
        for (QAction *action : window.menuCommands())
            if (action->text() == caption)
                return action;
        return nullptr;
    }
};

QString savedText(const QByteArray &rtf)
{
    const std::optional<RichText> read = RtfReader::read(rtf);
    return read ? read->plainText() : QStringLiteral("<not rich text>");
}

CharFormat formatAt(NotesEdit &edit, const QString &part)
{
    for (const TextRun &run : edit.richText().runs)
        if (run.text.contains(part))
            return CharFormat::resolved(run.format, edit.defaultFormat());
    return {};
}

} // namespace

class NotesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void scrollBarIsEnabledOnlyWhenTextOverflows();
    void placedCentredFirstThenWhereLeft();
    void notesCommandLoadsUntilEdited();
    void failedLoadLeavesTheWindowHidden();
    void saveWritesRichText();
    void failedSaveKeepsTextAndFile();
    void fontApplyChangesTextAtOnceAndIsSaved();
    void selectionHiddenWithoutFocus();
    void pastedRichTextKeepsItsFormats();
};

void NotesWindowTest::looksAsDesigned()
{
    NotesFixture notes;
    TForm4 &window = notes.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("ZOD/IRI Zozevo Notes"));
    QVERIFY(!window.isVisible());
    QCOMPARE(window.centralWidget(), static_cast<QWidget *>(window.richEdit()));
    QStringList captions;
    for (QAction *action : window.menuCommands()) {
        captions << action->text();
        QVERIFY(action->isEnabled());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(action->menu() == nullptr);
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("Save"), QStringLiteral("Font")}));
    QCOMPARE(window.menuBar()->actions(), window.menuCommands());
    QCOMPARE(notes.edit().font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(notes.edit().font().pixelSize(), 11);
    QVERIFY(notes.edit().toPlainText().isEmpty());
}

void NotesWindowTest::scrollBarIsEnabledOnlyWhenTextOverflows()
{
    NotesFixture notes;
    notes.window.runNotesCommand();
    QVERIFY(QTest::qWaitForWindowExposed(&notes.window));
    QScrollBar *bar = notes.edit().verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(!bar->isEnabled());
    for (int line = 0; line < 40; ++line) {
        notes.type(QStringLiteral("line"));
        QTest::keyClick(&notes.edit(), Qt::Key_Return);
    }
    QTRY_VERIFY(bar->isEnabled());
    QVERIFY(bar->isVisible());
    notes.edit().selectAll();
    QTest::keyClick(&notes.edit(), Qt::Key_Delete);
    QTRY_VERIFY(!bar->isEnabled());
}

void NotesWindowTest::placedCentredFirstThenWhereLeft()
{
    NotesFixture notes;
    TForm4 &window = notes.window;
    window.runNotesCommand();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().size(), QSize(456, 230));
    const QRect desktop = window.screen()->virtualGeometry();
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(desktop.left() + (desktop.width() - 456) / 2,
                                                      desktop.top() + (desktop.height() - 230) / 2));

    notes.type(QStringLiteral("kept"));
    window.move(10, 20);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    window.runNotesCommand();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), QPoint(10, 20));
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("kept"));
}

// The notes file is loaded at every command while the text holds no edits
// since it was last loaded or saved; edits are never thrown away.
void NotesWindowTest::notesCommandLoadsUntilEdited()
{
    NotesFixture notes;
    notes.writeNotes("{\\rtf1 first}");
    notes.window.runNotesCommand();
    QVERIFY(notes.window.isVisible());
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("first"));

    notes.writeNotes("second, as plain text");
    notes.window.runNotesCommand();
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("second, as plain text"));

    // Loading kept the cursor where it was, at the start.
    notes.type(QStringLiteral("my edit "));
    notes.writeNotes("{\\rtf1 third}");
    notes.window.runNotesCommand();
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("my edit second, as plain text"));

    notes.command(QStringLiteral("Save"))->trigger();
    notes.writeNotes("{\\rtf1 fourth}");
    notes.window.runNotesCommand();
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("fourth"));
}

void NotesWindowTest::failedLoadLeavesTheWindowHidden()
{
    NotesFixture notes;
    notes.edit().setPlainText(QStringLiteral("unchanged"));
    notes.edit().document()->setModified(false);
    QVERIFY(QDir(notes.dir.folder()).mkdir(QStringLiteral("colorinfo.txt")));
    QVERIFY_THROWS_EXCEPTION(EFOpenError, notes.window.runNotesCommand());
    QVERIFY(!notes.window.isVisible());
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("unchanged"));
}

void NotesWindowTest::saveWritesRichText()
{
    NotesFixture notes;
    notes.window.runNotesCommand();
    notes.type(QStringLiteral("Red is 200"));
    QTest::keyClick(&notes.edit(), Qt::Key_Return);
    notes.type(QStringLiteral("{braces}"));
    notes.command(QStringLiteral("Save"))->trigger();
    QCOMPARE(savedText(notes.savedNotes()),
             QStringLiteral("Red is 200") + QChar::ParagraphSeparator + QStringLiteral("{braces}"));
    QVERIFY(!notes.edit().document()->isModified());
    QVERIFY(recordedDialogs().errors().isEmpty());
}

void NotesWindowTest::failedSaveKeepsTextAndFile()
{
    NotesFixture notes;
    notes.writeNotes("{\\rtf1 old}");
    notes.window.runNotesCommand();
    notes.type(QStringLiteral("new "));
    {
        const FileSizeLimit full(16);
        notes.command(QStringLiteral("Save"))->trigger();
    }
    QCOMPARE(recordedDialogs().errors(), QStringList{QStringLiteral("Failed to Save Stream.")});
    QCOMPARE(notes.savedNotes(), QByteArray("{\\rtf1 old}"));
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("new old"));
    QVERIFY(notes.edit().document()->isModified());
}

void NotesWindowTest::fontApplyChangesTextAtOnceAndIsSaved()
{
    NotesFixture notes;
    notes.window.runNotesCommand();
    notes.type(QStringLiteral("typed"));
    FontDialog &dialog = *notes.window.fontDialog();
    int pointsWhileOpen = 0;
    QTimer::singleShot(0, &dialog, [&] {
        QLineEdit *size = dialog.findChild<QLineEdit *>(QStringLiteral("size"));
        size->selectAll();
        QTest::keyClicks(size, QStringLiteral("20"));
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply),
                          Qt::LeftButton);
        pointsWhileOpen = notes.edit().document()->defaultFont().pointSize();
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, &QDialog::reject);
    watchdog.start(10000);
    notes.command(QStringLiteral("Font"))->trigger();
    QCOMPARE(pointsWhileOpen, 20);
    QCOMPARE(formatAt(notes.edit(), QStringLiteral("typed")).halfPoints, 40);
    QVERIFY(notes.edit().document()->isModified());

    // Saved, the font comes back with the text in the next run.
    notes.command(QStringLiteral("Save"))->trigger();
    TForm4 nextRun(notes.dir.folder() + QLatin1Char('/'));
    nextRun.runNotesCommand();
    QCOMPARE(nextRun.richEdit()->toPlainText(), QStringLiteral("typed"));
    QCOMPARE(nextRun.richEdit()->defaultFormat().halfPoints, 40);
    QCOMPARE(nextRun.richEdit()->document()->defaultFont().pointSize(), 20);
}

void NotesWindowTest::selectionHiddenWithoutFocus()
{
    NotesFixture notes;
    notes.window.runNotesCommand();
    QVERIFY(QTest::qWaitForWindowExposed(&notes.window));
    notes.type(QStringLiteral("selected text"));
    notes.edit().clearFocus();
    QTextCursor end = notes.edit().textCursor();
    end.clearSelection();
    notes.edit().setTextCursor(end);
    const QImage unselected = notes.edit().viewport()->grab().toImage();

    notes.edit().setFocus();
    notes.edit().selectAll();
    QTRY_VERIFY(notes.edit().viewport()->grab().toImage() != unselected);
    notes.edit().clearFocus();
    QTRY_COMPARE(notes.edit().viewport()->grab().toImage(), unselected);
    QVERIFY(notes.edit().textCursor().hasSelection());
}

void NotesWindowTest::pastedRichTextKeepsItsFormats()
{
    NotesFixture notes;
    auto *html = new QMimeData;
    html->setHtml(QStringLiteral("<p><b>bold</b> <i>italic</i> <u>under</u> <s>struck</s> "
                                 "<span style=\"font-family:'DejaVu Serif'; font-size:14pt; color:#c00000\">"
                                 "serif</span><img src=\"none.png\"> <a href=\"http://x\">link</a></p>"));
    QGuiApplication::clipboard()->setMimeData(html);
    notes.edit().paste();
    QCOMPARE(notes.edit().toPlainText(), QStringLiteral("bold italic under struck serif link"));
    QVERIFY(formatAt(notes.edit(), QStringLiteral("bold")).bold);
    QVERIFY(formatAt(notes.edit(), QStringLiteral("italic")).italic);
    QVERIFY(formatAt(notes.edit(), QStringLiteral("under")).underline);
    QVERIFY(formatAt(notes.edit(), QStringLiteral("struck")).strikeOut);
    const CharFormat serif = formatAt(notes.edit(), QStringLiteral("serif"));
    QCOMPARE(serif.face, QStringLiteral("DejaVu Serif"));
    QCOMPARE(serif.halfPoints, 28);
    QCOMPARE(serif.colour, std::optional<QRgb>(qRgb(0xc0, 0, 0)));
    // A link keeps its look but is no link any more.
    for (const TextRun &run : notes.edit().richText().runs)
        QVERIFY(!run.format.hasProperty(QTextFormat::AnchorHref));

    auto *rtf = new QMimeData;
    rtf->setData(QStringLiteral("text/rtf"),
                 "{\\rtf1{\\fonttbl{\\f0 DejaVu Sans Mono;}}\\f0\\fs30\\b  mono}");
    rtf->setText(QStringLiteral("plain stand-in"));
    QGuiApplication::clipboard()->setMimeData(rtf);
    notes.edit().paste();
    QVERIFY(notes.edit().toPlainText().endsWith(QStringLiteral(" mono")));
    const CharFormat mono = formatAt(notes.edit(), QStringLiteral("mono"));
    QCOMPARE(mono.face, QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(mono.halfPoints, 30);
    QVERIFY(mono.bold);
}

DAVOVO_TEST(NotesWindowTest);

#include "noteswindowtest.moc"
