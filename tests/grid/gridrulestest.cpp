#include "grid/input/clickrules.h"
#include "grid/input/keymap.h"
#include "grid/model/edittracker.h"
#include "grid/model/gridgeometry.h"
#include "grid/model/gridselection.h"
#include "support/testregistry.h"

#include <QHash>
#include <QTest>

#include <stdexcept>

namespace {

// Cells in a hash, with a record of what the check did to them.
class FakeCells : public CheckTarget {
public:
    [[nodiscard]] QString cellText(QPoint cell) const override { return texts.value(key(cell)); }
    void writeCell(QPoint cell, const QString &text) override
    {
        texts[key(cell)] = text;
        log << QStringLiteral("write %1,%2 %3").arg(cell.x()).arg(cell.y()).arg(text);
    }
    [[nodiscard]] QPoint currentCell() const override { return current; }
    void returnTo(QPoint cell) override
    {
        current = cell;
        log << QStringLiteral("return %1,%2").arg(cell.x()).arg(cell.y());
    }
    static int key(QPoint cell) { return cell.x() * 100 + cell.y(); }

    QHash<int, QString> texts;
    QPoint current{1, 1};
    QStringList log;
};

using Action = KeyMap::Action;
using Focus = KeyMap::Focus;

} // namespace

Q_DECLARE_METATYPE(KeyMap::Action)
Q_DECLARE_METATYPE(KeyMap::Focus)
Q_DECLARE_METATYPE(ClickRules::Kind)

class GridRulesTest : public QObject {
    Q_OBJECT

private slots:
    // The check armed on (1, 1) holding "12"; the user changes it, moves to
    // (2, 1) holding "7", and the handler answers.
    void validationCheck_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("answer"); // the value the handler leaves
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("reported");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("text"); // of (1, 1) afterwards
        QTest::addColumn<QPoint>("armed"); // the cell watched next
        QTest::newRow("unchanged: no event") << "12"
                                             << "12" << true << true << QStringList{} << "12" << QPoint(2, 1);
        QTest::newRow("changed and accepted")
            << "13"
            << "13" << true << true << QStringList{} << "13" << QPoint(2, 1);
        QTest::newRow("handler changes the value")
            << "13"
            << "14" << true << true << QStringList{"write 1,1 14"} << "14" << QPoint(2, 1);
        QTest::newRow("refused: armed text back, cell current again")
            << "13"
            << "13" << false << false << QStringList{"write 1,1 12", "return 1,1"} << "12" << QPoint(1, 1);
        QTest::newRow("refused with a new value: only the write")
            << "13"
            << "15" << false << false << QStringList{"write 1,1 15"} << "15" << QPoint(2, 1);
    }
    void validationCheck()
    {
        QFETCH(QString, edited);
        QFETCH(QString, answer);
        QFETCH(bool, valid);
        QFETCH(bool, reported);
        QFETCH(QStringList, log);
        QFETCH(QString, text);
        QFETCH(QPoint, armed);
        FakeCells cells;
        cells.texts[FakeCells::key({1, 1})] = QStringLiteral("12");
        cells.texts[FakeCells::key({2, 1})] = QStringLiteral("7");
        EditTracker tracker;
        tracker.rearm(cells);
        cells.texts[FakeCells::key({1, 1})] = edited;
        cells.current = {2, 1};
        QStringList calls;
        const bool result = tracker.check(cells, [&](int col, int row, QString &value, bool &isValid) {
            calls << QStringLiteral("%1,%2 %3").arg(col).arg(row).arg(value);
            value = answer;
            isValid = valid;
        });
        QCOMPARE(result, reported);
        QCOMPARE(calls, edited == QStringLiteral("12") ? QStringList{} : QStringList{"1,1 " + edited});
        QCOMPARE(cells.log, log);
        QCOMPARE(cells.cellText({1, 1}), text);
        QCOMPARE(tracker.checkCell(), armed);
        QCOMPARE(tracker.checkText(), cells.cellText(armed));
    }

    // A handler that throws leaves the check armed as it was: the same
    // change is judged again at the next trigger.
    void exceptionLeavesTheCheckArmed()
    {
        FakeCells cells;
        cells.texts[FakeCells::key({1, 1})] = QStringLiteral("12");
        EditTracker tracker;
        tracker.rearm(cells);
        cells.texts[FakeCells::key({1, 1})] = QStringLiteral("x");
        cells.current = {2, 1};
        int calls = 0;
        const auto throwing = [&](int, int, QString &, bool &) {
            ++calls;
            throw std::runtime_error("bad");
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, tracker.check(cells, throwing));
        QCOMPARE(tracker.checkCell(), QPoint(1, 1));
        QCOMPARE(tracker.checkText(), QStringLiteral("12"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, tracker.check(cells, throwing));
        QCOMPARE(calls, 2);
        QVERIFY(cells.log.isEmpty());
    }

    void keyMap_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeyMap::Focus>("focus");
        QTest::addColumn<KeyMap::Action>("action");
        const auto none = Qt::KeyboardModifiers();
        QTest::newRow("digit on the grid")
            << int(Qt::Key_7) << none << "7" << Focus::Grid << Action::StartTyping;
        QTest::newRow("minus on the grid")
            << int(Qt::Key_Minus) << none << "-" << Focus::Grid << Action::StartTyping;
        QTest::newRow("shifted letter") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "X"
                                        << Focus::Grid << Action::StartTyping;
        QTest::newRow("backspace on the grid")
            << int(Qt::Key_Backspace) << none << "\b" << Focus::Grid << Action::StartTyping;
        QTest::newRow("ctrl+letter is no typing")
            << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x01" << Focus::Grid
            << Action::None;
        QTest::newRow("digit in the editor is its own")
            << int(Qt::Key_7) << none << "7" << Focus::Editor << Action::None;
        QTest::newRow("enter on the grid")
            << int(Qt::Key_Return) << none << "\r" << Focus::Grid << Action::OpenEditor;
        QTest::newRow("keypad enter in the editor")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "\r" << Focus::Editor
            << Action::Commit;
        QTest::newRow("F2") << int(Qt::Key_F2) << none << "" << Focus::Grid << Action::OpenAtEnd;
        QTest::newRow("escape in the editor")
            << int(Qt::Key_Escape) << none << "\x1b" << Focus::Editor << Action::Restore;
        QTest::newRow("delete does nothing")
            << int(Qt::Key_Delete) << none << "\x7f" << Focus::Grid << Action::Swallow;
        QTest::newRow("ctrl+right moves") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                          << "" << Focus::Grid << Action::Navigate;
        QTest::newRow("tab moves") << int(Qt::Key_Tab) << none << "\t" << Focus::Editor << Action::Navigate;
        QTest::newRow("ctrl+c copies") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                       << "\x03" << Focus::Grid << Action::Copy;
        QTest::newRow("ctrl+insert copies")
            << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ControlModifier) << "" << Focus::Grid
            << Action::Copy;
        QTest::newRow("shift+delete cuts") << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                           << "" << Focus::Grid << Action::Cut;
        QTest::newRow("shift+insert pastes")
            << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "" << Focus::Grid
            << Action::Paste;
        QTest::newRow("ctrl+v in the editor is its own")
            << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x16" << Focus::Editor
            << Action::None;
        QTest::newRow("ctrl+tab is the window's")
            << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\t" << Focus::Grid
            << Action::None;
        QTest::newRow("shift+F10 in the editor asks for the menu")
            << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "" << Focus::Editor
            << Action::ContextMenu;
        QTest::newRow("F10 alone is the window's")
            << int(Qt::Key_F10) << none << "" << Focus::Grid << Action::None;
    }
    void keyMap()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(KeyMap::Focus, focus);
        QFETCH(KeyMap::Action, action);
        QCOMPARE(KeyMap::action(key, modifiers, text, focus), action);
    }

    void editorPassesOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("passed");
        const auto none = Qt::KeyboardModifiers();
        QTest::newRow("up") << int(Qt::Key_Up) << none << true;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << none << true;
        QTest::newRow("left stays") << int(Qt::Key_Left) << none << false;
        QTest::newRow("home stays") << int(Qt::Key_Home) << none << false;
        QTest::newRow("delete stays") << int(Qt::Key_Delete) << none << false;
        QTest::newRow("insert") << int(Qt::Key_Insert) << none << true;
        QTest::newRow("shift+insert stays")
            << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                   << true;
        QTest::newRow("ctrl+v stays")
            << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    }
    void editorPassesOn()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, passed);
        QCOMPARE(KeyMap::editorPassesOn(key, modifiers), passed);
    }

    // Cells of 45 x 21 with 1-pixel lines: column 1 spans x 46..90, row 1
    // spans y 22..42. The current cell (2, 1) is selected alone.
    void clicks_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("button");
        QTest::addColumn<ClickRules::Kind>("kind");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("openEditor");
        QTest::newRow("middle of another cell")
            << QPoint(68, 32) << int(Qt::LeftButton) << ClickRules::Kind::MoveTo << QPoint(1, 1) << true;
        QTest::newRow("3 pixels inside its left edge")
            << QPoint(49, 32) << int(Qt::LeftButton) << ClickRules::Kind::MoveTo << QPoint(1, 1) << false;
        QTest::newRow("middle of the current cell") << QPoint(113, 32) << int(Qt::LeftButton)
                                                    << ClickRules::Kind::EditCurrent << QPoint(2, 1) << true;
        QTest::newRow("on the current cell's left line")
            << QPoint(91, 32) << int(Qt::LeftButton) << ClickRules::Kind::StartDrag << QPoint() << false;
        QTest::newRow("a fixed cell")
            << QPoint(20, 32) << int(Qt::LeftButton) << ClickRules::Kind::FocusOnly << QPoint() << false;
        QTest::newRow("right button on another cell")
            << QPoint(68, 32) << int(Qt::RightButton) << ClickRules::Kind::ContextMenu << QPoint(1, 1)
            << false;
        QTest::newRow("right button on a selected cell's line starts no drag")
            << QPoint(92, 32) << int(Qt::RightButton) << ClickRules::Kind::ContextMenu << QPoint(2, 1)
            << false;
        QTest::newRow("right button on a fixed cell")
            << QPoint(20, 32) << int(Qt::RightButton) << ClickRules::Kind::FocusOnly << QPoint() << false;
        QTest::newRow("middle button")
            << QPoint(68, 32) << int(Qt::MiddleButton) << ClickRules::Kind::FocusOnly << QPoint() << false;
    }
    void clicks()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, button);
        QFETCH(ClickRules::Kind, kind);
        QFETCH(QPoint, cell);
        QFETCH(bool, openEditor);
        GridGeometry geometry(247, 6, 1, 1, 45, 21);
        geometry.setClientSize({700, 200});
        const GridSelection selection({2, 1});
        const ClickRules::Press press = ClickRules::press(geometry, selection, pos, Qt::MouseButton(button));
        QCOMPARE(press.kind, kind);
        if (kind == ClickRules::Kind::MoveTo || kind == ClickRules::Kind::EditCurrent ||
            kind == ClickRules::Kind::ContextMenu) {
            QCOMPARE(press.cell, cell);
            QCOMPARE(press.openEditor, openEditor);
        }
    }

    // 247 columns of 45 + 1 in a client of 460: 9 scrolling columns fit
    // whole after the fixed one, so the thumb is round(128 x 9 / 247) = 5
    // and the bar runs 0 .. 123.
    void proportionalScrollBar_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("position");
        QTest::newRow("start") << 1 << 0;
        QTest::newRow("end") << 238 << 123;
        QTest::newRow("middle") << 120 << 62;
    }
    void proportionalScrollBar()
    {
        QFETCH(int, first);
        QFETCH(int, position);
        GridAxis axis(247, 1, 45);
        axis.setExtent(460);
        QCOMPARE(axis.maxFirst(), 238);
        axis.setFirst(first);
        QCOMPARE(axis.scrollThumb(), 5);
        QCOMPARE(axis.scrollBarPosition(), position);
        // Dragging the thumb there scrolls back to about the same column.
        QVERIFY(qAbs(axis.firstForScrollBarPosition(position) - first) <= 1);
    }

    void scrollBarOfAnAxisThatFits()
    {
        GridAxis axis(6, 1, 21);
        axis.setExtent(200);
        QCOMPARE(axis.scrollThumb(), 107); // round(128 x 5 / 6)
        QCOMPARE(axis.scrollBarPosition(), 0);
        QCOMPARE(axis.firstForScrollBarPosition(21), 1);
    }
};

DAVOVO_TEST(GridRulesTest);

#include "gridrulestest.moc"
