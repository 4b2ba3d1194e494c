#include "app/windowset.h"
#include "app/application.h"
#include "editor/editorgrid.h"
#include "support/testregistry.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Runs the application's event loop until something quits it; false when it
// is still running after a while.
bool eventLoopEndsAfter(const std::function<void()> &action)
{
    bool timedOut = false;
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(3);
    });
    watchdog.start(5000);
    const int code = QCoreApplication::exec();
    return !timedOut && code == 0;
}

} // namespace

class WindowSetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As in the program: the windows decide when it ends.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void startsWithOnlyTheStartWindowVisible()
    {
        WindowSet windows;
        windows.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.startWindow));
        QVERIFY(windows.startWindow.isVisible());
        QVERIFY(!windows.editorWindow.isVisible());
        QVERIFY(!windows.notesWindow.isVisible());
    }

    void startWindowLooksAsDesigned()
    {
        WindowSet windows;
        TForm1 &start = windows.startWindow;
        QCOMPARE(start.windowTitle(), QStringLiteral("Aeroth VIR/IDI Dere Davovo - 30SEP01"));
        QCOMPARE(start.size(), QSize(370, 216));
        QCOMPARE(start.minimumSize(), start.maximumSize());
        QVERIFY(!(start.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(start.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(start.memo()->geometry(), QRect(8, 0, 353, 169));
        QCOMPARE(start.button()->geometry(), QRect(80, 184, 201, 25));
        QCOMPARE(start.button()->text(), QStringLiteral("Click to Open File Editor"));

        const QStringList lines = start.memo()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("Use this editor at your own risk."));
        QCOMPARE(lines[2], QStringLiteral("Enter data carefully, there is limited range checking "));
        QCOMPARE(lines[4], QStringLiteral("Remember to SAVE when you are done with all of your "));
        QCOMPARE(lines[5], QStringLiteral("changes to the file (the fixed cells will turn red)."));
        QVERIFY(lines[7].isEmpty() && lines[8].isEmpty());
        QVERIFY(!lines[9].isEmpty());
        QVERIFY(!start.memo()->isReadOnly());
    }

    void editorWindowHasItsMenuAndFont()
    {
        WindowSet windows;
        TForm3 &editor = windows.editorWindow;
        QCOMPARE(editor.windowTitle(), QStringLiteral("Click Open to Start."));
        QCOMPARE(editor.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(editor.font().pixelSize(), 11);
        QCOMPARE(editor.centralWidget(), static_cast<QWidget *>(editor.grid()));

        QStringList captions;
        QList<bool> enabled;
        for (QAction *command : editor.menuCommands()) {
            captions << command->text();
            enabled << command->isEnabled();
        }
        QCOMPARE(captions, (QStringList{"Open", "Import Colors", "Save", "Export Colors", "Notes", "About"}));
        QCOMPARE(enabled, (QList<bool>{true, false, false, false, true, true}));
    }

    void editorWindowOpensAtItsOuterSizeCentred()
    {
        WindowSet windows;
        windows.startWindow.Button5Click();
        TForm3 &editor = windows.editorWindow;
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.frameGeometry().size(), QSize(750, 281));
        const QRect desktop = editor.screen()->virtualGeometry();
        QCOMPARE(editor.frameGeometry().topLeft(), QPoint(desktop.left() + (desktop.width() - 750) / 2,
                                                          desktop.top() + (desktop.height() - 281) / 2));

        // Moved by the user, it reopens where it was left.
        editor.move(10, 20);
        editor.hide();
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.pos(), QPoint(10, 20));
    }

    void notesWindowCaption()
    {
        WindowSet windows;
        QCOMPARE(windows.notesWindow.windowTitle(), QStringLiteral("ZOD/IRI Zozevo Notes"));
    }

    void everyWindowShowsTheProgramIcon()
    {
        // As at start-up, the application carries the icon too: the notes
        // window shows the application's.
        const QIcon icon = DavovoApplication::programIcon();
        QApplication::setWindowIcon(icon);
        WindowSet windows;
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));
        for (QWidget *window :
             QList<QWidget *>{&windows.startWindow, &windows.editorWindow, &windows.notesWindow})
            QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
    }

    void buttonLeadsFromTheStartWindowToTheEditor()
    {
        WindowSet windows;
        windows.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.startWindow));
        QTest::mouseClick(windows.startWindow.button(), Qt::LeftButton);
        QVERIFY(!windows.startWindow.isVisible());
        QVERIFY(windows.editorWindow.isVisible());
        QVERIFY(!windows.notesWindow.isVisible());
    }

    void closingTheEditorEndsTheProgram()
    {
        WindowSet windows;
        windows.show();
        windows.startWindow.Button5Click();
        QVERIFY(eventLoopEndsAfter([&] { windows.editorWindow.close(); }));
    }

    void closingTheVisibleStartWindowEndsTheProgram()
    {
        WindowSet windows;
        windows.show();
        QVERIFY(eventLoopEndsAfter([&] { windows.startWindow.close(); }));
        QVERIFY(!windows.editorWindow.isVisible());
    }

    void closingTheNotesWindowOnlyHidesIt()
    {
        WindowSet windows;
        windows.startWindow.Button5Click();
        windows.editorWindow.Notes1Click();
        QVERIFY(windows.notesWindow.isVisible());
        // The loop must still be running after the close: it ends only by the watchdog.
        QVERIFY(!eventLoopEndsAfter([&] { windows.notesWindow.close(); }));
        QVERIFY(!windows.notesWindow.isVisible());
        QVERIFY(windows.editorWindow.isVisible());
    }
};

DAVOVO_TEST(WindowSetTest);
#include "windowsettest.moc"
