#include "app/editorfixture.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QTest>

// Ctrl+O and Ctrl+S reach the editor's Open and Save from the grid and its
// in-place editor; the grid itself takes neither key.
class ShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlOOpensAndCtrlSSaves()
    {
        EditorFixture f;
        QApplication::setActiveWindow(&f.editor());
        QVERIFY(QTest::qWaitForWindowActive(&f.editor()));
        f.grid().setFocus();
        const QString file = f.makeFile(QStringLiteral("x.spl"), 1200);
        const QByteArray before = f.dir.read(QStringLiteral("x.spl"));
        f.dir.write(QStringLiteral("rozirazuz.INI"),
                    "[settings]\nstartdir=" + f.dir.folder().toUtf8() + "\n");

        // Save is disabled until a file is open: the key does nothing.
        QTest::keyClick(&f.grid(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(recordedDialogs().shown().size(), size_t(0));

        recordedDialogs().answer(file);
        QTest::keyClick(&f.grid(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.editor().windowTitle(), QStringLiteral("Editing ") + file);
        const QString cell = f.grid().cell(1, 1);

        f.setCell(2, 1, QStringLiteral("9"));
        QTest::keyClick(&f.grid(), Qt::Key_S, Qt::ControlModifier);
        QByteArray expected = before;
        expected[68 + 4] = char(9);
        QCOMPARE(f.dir.read(QStringLiteral("x.spl")), expected);
        QCOMPARE(f.grid().cell(1, 1), cell);
        QVERIFY(!f.grid().isEditorMode());

        // While a value is being typed, Ctrl+S saves what is typed.
        QTest::keyClicks(&f.grid(), QStringLiteral("42"));
        QVERIFY(QApplication::focusWidget() != &f.grid());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        expected[68] = char(42);
        QCOMPARE(f.dir.read(QStringLiteral("x.spl")), expected);
        QVERIFY(recordedDialogs().errors().isEmpty());
    }
};

DAVOVO_TEST(ShortcutsTest);
#include "shortcutstest.moc"
