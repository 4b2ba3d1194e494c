#include "app/editorfixture.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

const QStringList allEnabled{"Open on",          "Import Colors on", "Save on",
                             "Export Colors on", "Notes on",         "About on"};
const QStringList beforeOpen{"Open on",           "Import Colors off", "Save off",
                             "Export Colors off", "Notes on",          "About on"};

} // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT

private slots:
    void firstOpenAsksForTheFolderThenOpensThere()
    {
        EditorFixture f;
        const QString folder = f.dir.path(QStringLiteral("palettes"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = f.makeFile(QStringLiteral("palettes/terrain.spl"), 2000);

        recordedDialogs().answer(folder);
        recordedDialogs().answer(file);
        f.editor().Open1Click();

        const auto &shown = recordedDialogs().shown();
        QCOMPARE(shown.size(), size_t(2));
        QCOMPARE(shown[0].kind, QStringLiteral("browse"));
        QCOMPARE(shown[0].text, QStringLiteral("Select SPL/PAL File Directory"));
        QCOMPARE(shown[1].kind, QStringLiteral("open"));
        QCOMPARE(shown[1].file.title, QStringLiteral("Open SPL or PAL file"));
        QCOMPARE(shown[1].file.initialFolder, folder);
        QCOMPARE(shown[1].file.defaultSuffix, QStringLiteral("spl"));
        QCOMPARE(shown[1].file.filters.size(), size_t(2));
        QCOMPARE(shown[1].file.filters[0].name, QStringLiteral("SPL Files"));
        QCOMPARE(shown[1].file.filters[0].patterns, QStringList{"*.spl"});
        QCOMPARE(shown[1].file.filters[1].name, QStringLiteral("PAL Files"));
        QCOMPARE(shown[1].file.filters[1].patterns, QStringList{"*.pal"});
        QVERIFY(f.dir.read(QStringLiteral("rozirazuz.INI")).contains("startdir=" + folder.toUtf8()));

        // The second Open goes straight to the open dialog, in the same folder.
        recordedDialogs().reset();
        recordedDialogs().answer(file);
        f.editor().Open1Click();
        QCOMPARE(recordedDialogs().shown().size(), size_t(1));
        QCOMPARE(recordedDialogs().shown()[0].kind, QStringLiteral("open"));
        QCOMPARE(recordedDialogs().shown()[0].file.initialFolder, folder);
    }

    void cancelledFirstOpenChangesNothing()
    {
        EditorFixture f;
        f.editor().Open1Click(); // browser and open dialog both cancelled
        QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), 1);
        QCOMPARE(recordedDialogs().count(QStringLiteral("open")), 1);
        // An empty start folder lets the dialog choose; it is not "c:\".
        QCOMPARE(recordedDialogs().shown()[1].file.initialFolder, QString());
        QCOMPARE(f.editor().windowTitle(), QStringLiteral("Click Open to Start."));
        QCOMPARE(f.commandStates(), beforeOpen);
        QVERIFY(!f.windows.file.binding());
        QVERIFY(f.dir.read(QStringLiteral("rozirazuz.INI")).contains("startdir=\n"));
    }

    void openShowsTheTableAndEnablesTheCommands()
    {
        EditorFixture f;
        QByteArray bytes = TempDir::pattern(1100);
        const int entry7 = 68 + 7 * 4;
        bytes[entry7] = char(255);
        bytes[entry7 + 1] = char(128);
        bytes[entry7 + 2] = char(0);
        bytes[entry7 + 3] = char(1);
        const QString file = f.dir.write(QStringLiteral("x.spl"), bytes);
        f.open(file);

        QCOMPARE(f.editor().windowTitle(), QStringLiteral("Editing ") + file);
        QCOMPARE(f.commandStates(), allEnabled);
        QCOMPARE(f.grid().cell(8, 1), QStringLiteral("255"));
        QCOMPARE(f.grid().cell(8, 2), QStringLiteral("128"));
        QCOMPARE(f.grid().cell(8, 3), QStringLiteral("0"));
        QCOMPARE(f.grid().cell(8, 4), QStringLiteral("1"));
        QCOMPARE(f.grid().cell(1, 1), QString::number(quint8(bytes[68])));
        QCOMPARE(f.grid().oldCellText(), f.grid().cell(1, 1));
        QVERIFY(!f.grid().isIndicatorOn());
    }

    // The grid's check compares its watched cell with the text it had before
    // the fill; the indicator follows the comparison with the text Open
    // took from cell (1, 1).
    void firstMoveAfterOpen_data()
    {
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<bool>("indicator");
        QTest::newRow("watching Red of entry 0") << QPoint(1, 1) << false;
        QTest::newRow("watching a cell whose text differs") << QPoint(3, 2) << true;
    }
    void firstMoveAfterOpen()
    {
        QFETCH(QPoint, current);
        QFETCH(bool, indicator);
        EditorFixture f;
        QApplication::setActiveWindow(&f.editor());
        QVERIFY(QTest::qWaitForWindowActive(&f.editor()));
        f.grid().setFocus();
        f.grid().setCurrentCell(current.x(), current.y());
        f.open(f.makeFile(QStringLiteral("x.spl"), 1200));
        QVERIFY(f.grid().cell(current.x(), current.y()) != f.grid().cell(1, 1) || !indicator);
        QVERIFY(!f.grid().isIndicatorOn());
        QTest::keyClick(&f.grid(), Qt::Key_Down);
        QCOMPARE(f.grid().isIndicatorOn(), indicator);
    }

    void saveRewritesOnlyTheTableBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::newRow("PAL") << "x.pal" << 64;
        QTest::newRow("SPL") << "x.spl" << 68;
        QTest::newRow("upper-case PAL counts as SPL") << "X.PAL" << 68;
    }
    void saveRewritesOnlyTheTableBytes()
    {
        QFETCH(QString, name);
        QFETCH(int, offset);
        EditorFixture f;
        const QString file = f.makeFile(name, 1500);
        const QByteArray before = f.dir.read(name);
        f.open(file);
        f.setCell(1, 1, QStringLiteral("300")); // low 8 bits: 44
        f.setCell(246, 4, QStringLiteral("$7F"));
        f.grid().indicatorOn();
        f.editor().Save1Click();

        const QByteArray after = f.dir.read(name);
        QCOMPARE(after.size(), before.size());
        QByteArray expected = before;
        expected[offset] = char(44);
        expected[offset + 983] = char(0x7F);
        QCOMPARE(after, expected);
        QVERIFY(!f.grid().isIndicatorOn());
        QVERIFY(recordedDialogs().errors().isEmpty());
    }

    void openThenSaveLeavesTheFileAsItWas()
    {
        EditorFixture f;
        const QString file = f.makeFile(QStringLiteral("same.spl"), 68 + 984);
        const QByteArray before = f.dir.read(QStringLiteral("same.spl"));
        f.open(file);
        f.editor().Save1Click();
        QCOMPARE(f.dir.read(QStringLiteral("same.spl")), before);
    }

    void aCellThatIsNotANumberStopsSaveBeforeAnyWrite()
    {
        EditorFixture f;
        const QString file = f.makeFile(QStringLiteral("x.spl"), 1200);
        const QByteArray before = f.dir.read(QStringLiteral("x.spl"));
        f.open(file);
        f.setCell(1, 1, QStringLiteral("9"));
        f.setCell(10, 4, QStringLiteral("abc"));
        f.grid().indicatorOn();
        guarded([&] { f.editor().Save1Click(); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"'abc' is not a valid integer value."});
        QCOMPARE(f.dir.read(QStringLiteral("x.spl")), before);
        QVERIFY(f.grid().isIndicatorOn());
    }

    void aFailedReadKeepsTheFileTheGridAndTheCaption()
    {
        EditorFixture f;
        const QString good = f.makeFile(QStringLiteral("good.spl"), 1200);
        const QString shortFile = f.makeFile(QStringLiteral("short.spl"), 68 + 983);
        f.open(good);
        f.setCell(2, 2, QStringLiteral("77"));
        guarded([&] { f.open(shortFile); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"Read beyond end of file."});
        QCOMPARE(f.editor().windowTitle(), QStringLiteral("Editing ") + good);
        QCOMPARE(f.grid().cell(2, 2), QStringLiteral("77"));

        // Save still goes into the file the caption names.
        const QByteArray shortBefore = f.dir.read(QStringLiteral("short.spl"));
        f.editor().Save1Click();
        QCOMPARE(quint8(f.dir.read(QStringLiteral("good.spl"))[68 + 4 + 1]), quint8(77));
        QCOMPARE(f.dir.read(QStringLiteral("short.spl")), shortBefore);
    }

    void aMissingFileIsReported()
    {
        EditorFixture f;
        guarded([&] { f.open(f.dir.path(QStringLiteral("gone.spl"))); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"File not found."});
        QCOMPARE(f.commandStates(), beforeOpen);
    }

    void aRefusedSettingsWriteStopsOpenBeforeTheDialog()
    {
        EditorFixture f;
        // Not even root can write a file where a folder stands.
        QVERIFY(QDir().mkpath(f.settingsPath()));
        recordedDialogs().answer(f.dir.folder());
        guarded([&] { f.editor().Open1Click(); });
        QCOMPARE(recordedDialogs().count(QStringLiteral("error")), 1);
        QCOMPARE(recordedDialogs().count(QStringLiteral("open")), 0);
        QCOMPARE(f.editor().windowTitle(), QStringLiteral("Click Open to Start."));
    }
};

DAVOVO_TEST(OpenSaveTest);
#include "opensavetest.moc"
