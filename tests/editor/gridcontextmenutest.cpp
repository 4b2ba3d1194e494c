#include "grid/stringgrid.h"
#include "support/recordingdialogs.h"
#include "support/showfocused.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>

namespace {

// A shown grid that records its validation events and the points it asks
// its owner to show a context menu at.
class MenuGrid {
public:
    MenuGrid()
    {
        grid.resize(700, 200);
        grid.setDefaultColWidth(45);
        grid.setFixedColWidth(45);
        grid.setDefaultRowHeight(21);
        grid.setFixedRowHeight(21);
        grid.onCellValidate = [this](int col, int row, QString &value, bool &) {
            calls << QStringLiteral("validate %1,%2 %3").arg(col).arg(row).arg(value);
        };
        grid.onContextMenu = [this](QPoint globalPos) {
            calls << QStringLiteral("menu %1,%2").arg(globalPos.x()).arg(globalPos.y());
        };
    }

    [[nodiscard]] bool showFocused() { return ::showFocused(grid, grid); }
    [[nodiscard]] QPoint centre(int col, int row) const { return grid.cellRect(col, row).center(); }
    [[nodiscard]] QString menuAt(QPoint viewportPos) const
    {
        const QPoint global = grid.viewport()->mapToGlobal(viewportPos);
        return QStringLiteral("menu %1,%2").arg(global.x()).arg(global.y());
    }
    void rightPress(int col, int row)
    {
        QTest::mousePress(grid.viewport(), Qt::RightButton, Qt::NoModifier, centre(col, row));
        QTest::mouseRelease(grid.viewport(), Qt::RightButton, Qt::NoModifier, centre(col, row));
    }
    // What the platform sends for the Menu key, to the focused widget.
    void menuKey()
    {
        QWidget *target = QApplication::focusWidget();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), target->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(target, &event);
    }

    StringGrid grid{247, 6};
    QStringList calls;
};

} // namespace

// The grid's generic hook for a context menu: where and when it asks its
// owner, and what the right press does to the current cell first.
class GridContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void rightPressOutsideTheSelectionMovesThereFirst()
    {
        MenuGrid g;
        QVERIFY(g.showFocused());
        g.grid.setCurrentCell(2, 1);
        QTest::keyClick(&g.grid, Qt::Key_7);
        QVERIFY(g.grid.isEditorVisible());

        g.rightPress(5, 3);
        QVERIFY(!g.grid.isEditorVisible());
        QVERIFY(!g.grid.isEditorMode());
        QCOMPARE(g.grid.currentCell(), QPoint(5, 3));
        QCOMPARE(g.grid.selection(), QRect(QPoint(5, 3), QPoint(5, 3)));
        // The edit ends and is checked before the owner is asked; no editor opens.
        QCOMPARE(g.calls, QStringList({"validate 2,1 7", g.menuAt(g.centre(5, 3))}));
        QVERIFY(g.grid.hasFocus());
    }

    void rightPressInsideTheSelectionKeepsIt()
    {
        MenuGrid g;
        QVERIFY(g.showFocused());
        g.grid.setCurrentCell(2, 1);
        QTest::keyClick(&g.grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&g.grid, Qt::Key_Down, Qt::ShiftModifier);
        g.calls.clear();

        g.rightPress(2, 2);
        QCOMPARE(g.grid.currentCell(), QPoint(3, 2));
        QCOMPARE(g.grid.selection(), QRect(QPoint(2, 1), QPoint(3, 2)));
        QCOMPARE(g.calls, QStringList{g.menuAt(g.centre(2, 2))});
    }

    // The platform follows a right press with a context menu event of its
    // own; the press has asked already.
    void mouseContextEventAsksNothing()
    {
        MenuGrid g;
        QVERIFY(g.showFocused());
        QContextMenuEvent event(QContextMenuEvent::Mouse, g.centre(3, 3),
                                g.grid.viewport()->mapToGlobal(g.centre(3, 3)));
        QApplication::sendEvent(g.grid.viewport(), &event);
        QVERIFY(g.calls.isEmpty());
        QVERIFY(event.isAccepted());
    }

    void menuKeyAndShiftF10AskAtTheCurrentCell()
    {
        MenuGrid g;
        QVERIFY(g.showFocused());
        g.grid.setCurrentCell(4, 2);
        g.menuKey();
        QTest::keyClick(&g.grid, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(g.calls, QStringList(2, g.menuAt(g.centre(4, 2))));

        // From the open editor too, which keeps its own menu for the mouse.
        g.calls.clear();
        QTest::keyClick(&g.grid, Qt::Key_F2);
        QCOMPARE(QApplication::focusWidget(), g.grid.inplaceEditor());
        g.menuKey();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(g.calls, QStringList(2, g.menuAt(g.centre(4, 2))));
        QVERIFY(g.grid.isEditorVisible());
    }

    void keyboardMenuScrollsTheCurrentCellIntoView()
    {
        MenuGrid g;
        QVERIFY(g.showFocused());
        g.grid.setCurrentCell(2, 1);
        g.grid.setLeftCol(100);
        QVERIFY(g.grid.cellRect(2, 1).isEmpty());
        QTest::keyClick(&g.grid, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(!g.grid.cellRect(2, 1).isEmpty());
        QCOMPARE(g.calls, QStringList{g.menuAt(g.centre(2, 1))});
    }
};

DAVOVO_TEST(GridContextMenuTest);
#include "gridcontextmenutest.moc"
