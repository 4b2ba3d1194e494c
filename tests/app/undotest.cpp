#include "app/editorfixture.h"
#include "support/dropping.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace {

QPoint cellOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return {parts[0].toInt(), parts[1].toInt()};
}

// Plays steps on the real editor with a file open, as a user does them:
//   type C,R TEXT      the cell becomes current, TEXT typed, Enter
//   paste C,R[:N] TEXT the cell (and N-1 more to its right) selected, Ctrl+V
//   cut C,R            the cell selected, Ctrl+X
//   escape             Escape on the current cell
//   drop C,R TEXT      TEXT dropped onto the cell
//   import BYTE        a colour set of that byte everywhere, imported
//   save, undo, redo   the menu command, Ctrl+Z, Ctrl+Y
class Player {
public:
    explicit Player(EditorFixture &f) : f_(f) {}

    void play(const QString &step)
    {
        const QStringList words = step.split(QLatin1Char(' '));
        const QString &verb = words[0];
        const QString rest =
            step.section(QLatin1Char(' '), 2).replace(QStringLiteral("\\t"), QStringLiteral("\t"));
        if (verb == QStringLiteral("type")) {
            select(words[1]);
            for (QChar c : rest)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (verb == QStringLiteral("paste")) {
            select(words[1]);
            QGuiApplication::clipboard()->setText(rest);
            key(Qt::Key_V, Qt::ControlModifier);
        } else if (verb == QStringLiteral("cut")) {
            select(words[1]);
            key(Qt::Key_X, Qt::ControlModifier);
        } else if (verb == QStringLiteral("escape")) {
            key(Qt::Key_Escape);
        } else if (verb == QStringLiteral("drop")) {
            drop(cellOf(words[1]), rest);
        } else if (verb == QStringLiteral("import")) {
            recordedDialogs().answer(
                f_.dir.write(QStringLiteral("set.clr"), QByteArray(984, char(words[1].toInt()))));
            f_.editor().ImportColors1Click();
        } else if (verb == QStringLiteral("save")) {
            f_.editor().Save1Click();
        } else if (verb == QStringLiteral("undo")) {
            key(Qt::Key_Z, Qt::ControlModifier);
        } else if (verb == QStringLiteral("redo")) {
            key(Qt::Key_Y, Qt::ControlModifier);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

private:
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        f_.grid().setFocus();
        QTest::keyClick(&f_.grid(), key, modifiers);
    }
    void select(const QString &where)
    {
        const QString cell = where.section(QLatin1Char(':'), 0, 0);
        const int count = where.contains(QLatin1Char(':')) ? where.section(QLatin1Char(':'), 1).toInt() : 1;
        f_.grid().setFocus();
        f_.grid().setCurrentCell(cellOf(cell).x(), cellOf(cell).y());
        for (int i = 1; i < count; ++i)
            key(Qt::Key_Right, Qt::ShiftModifier);
    }
    void drop(QPoint cell, const QString &text)
    {
        QMimeData data;
        data.setText(text);
        (void)dropOnto(f_.grid().viewport(), &data, f_.grid().cellRect(cell.x(), cell.y()).center());
    }

    EditorFixture &f_;
};

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    // Each row plays its steps on a freshly opened file, then checks cell
    // texts ("open" for the text the file gave the cell) and the indicator.
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("indicator");
        QTest::newRow("an edit undone")
            << QStringList{"type 1,1 7", "undo"} << QStringList{"1,1=open"} << true;
        QTest::newRow("an edit undone and redone")
            << QStringList{"type 1,1 7", "undo", "redo"} << QStringList{"1,1=7"} << true;
        QTest::newRow("a paste is one step") << QStringList{"type 1,1 7", "paste 2,1 5\\t6", "undo"}
                                             << QStringList{"1,1=7", "2,1=open", "3,1=open"} << true;
        QTest::newRow("a paste with its series is one step")
            << QStringList{"paste 1,1:4 10\\t20", "undo", "redo"}
            << QStringList{"1,1=10", "2,1=20", "3,1=30", "4,1=40"} << true;
        QTest::newRow("a cut undone") << QStringList{"cut 3,2", "undo"} << QStringList{"3,2=open"} << true;
        QTest::newRow("a drop undone")
            << QStringList{"drop 4,3 x", "undo"} << QStringList{"4,3=open"} << true;
        QTest::newRow("an import is one step")
            << QStringList{"import 7", "undo"} << QStringList{"1,1=open", "246,4=open"} << true;
        QTest::newRow("an import redone")
            << QStringList{"import 7", "undo", "redo"} << QStringList{"1,1=7", "246,4=7"} << true;
        QTest::newRow("escape's restore is a step")
            << QStringList{"paste 1,1 9", "escape", "undo"} << QStringList{"1,1=9"} << true;
        QTest::newRow("undo after save turns the indicator on")
            << QStringList{"type 2,2 5", "save", "undo"} << QStringList{"2,2=open"} << true;
        QTest::newRow("nothing to undo") << QStringList{"undo", "redo"} << QStringList{"1,1=open"} << false;
        QTest::newRow("two edits undone newest first")
            << QStringList{"type 1,1 7", "type 1,1 8", "undo"} << QStringList{"1,1=7"} << true;
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, cells);
        QFETCH(bool, indicator);
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        QVERIFY(QTest::qWaitForWindowActive(&f.editor()));
        QHash<QString, QString> opened;
        for (const QString &check : cells) {
            const QPoint cell = cellOf(check.section(QLatin1Char('='), 0, 0));
            opened[check] = f.grid().cell(cell.x(), cell.y());
        }
        Player player(f);
        for (const QString &step : steps)
            player.play(step);
        for (const QString &check : cells) {
            const QPoint cell = cellOf(check.section(QLatin1Char('='), 0, 0));
            const QString expected = check.section(QLatin1Char('='), 1);
            QCOMPARE(f.grid().cell(cell.x(), cell.y()),
                     expected == QStringLiteral("open") ? opened[check] : expected);
        }
        QCOMPARE(f.grid().isIndicatorOn(), indicator);
        QCOMPARE(recordedDialogs().errors(), QStringList());
    }

    // Undo takes back the texts of a change that grew the grid; the counts
    // stay. The current cell moves to the first changed cell.
    void undoAfterGrowth()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        QVERIFY(QTest::qWaitForWindowActive(&f.editor()));
        Player player(f);
        player.play(QStringLiteral("paste 246,1 1\\t2"));
        QCOMPARE(f.grid().colCount(), 248);
        player.play(QStringLiteral("type 1,3 5"));
        player.play(QStringLiteral("undo"));
        player.play(QStringLiteral("undo"));
        QCOMPARE(f.grid().colCount(), 248);
        QCOMPARE(f.grid().cell(247, 1), QString());
        QCOMPARE(f.grid().currentCell(), QPoint(246, 1));
    }

    // Open starts a new history.
    void openClearsTheHistory()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        QVERIFY(QTest::qWaitForWindowActive(&f.editor()));
        Player player(f);
        player.play(QStringLiteral("type 1,1 7"));
        f.open(f.makeFile(QStringLiteral("b.spl"), 1200));
        const QString opened = f.grid().cell(1, 1);
        player.play(QStringLiteral("undo"));
        QCOMPARE(f.grid().cell(1, 1), opened);
        QCOMPARE(f.grid().undoHistory().steps(), 0);
    }
};

DAVOVO_TEST(UndoTest);

#include "undotest.moc"
