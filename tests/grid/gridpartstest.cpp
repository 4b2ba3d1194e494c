#include "grid/input/gridnavigator.h"
#include "grid/model/cellstore.h"
#include "grid/model/gridaxis.h"
#include "grid/model/gridgeometry.h"
#include "grid/view/columnautosizer.h"
#include "support/testregistry.h"

#include <QFont>
#include <QTest>

// The plain parts of the grid, without a window.
class GridPartsTest : public QObject {
    Q_OBJECT

private slots:
    void cellStoreIsSparseAndColumnFirst()
    {
        CellStore store(10000, 10000);
        for (int i = 0; i < 1000; ++i)
            store.setText(i * 7, i * 3, QString::number(i));
        QCOMPARE(store.filledCount(), 1000);
        QCOMPARE(store.text(7, 3), QStringLiteral("1"));
        QCOMPARE(store.text(3, 7), QString());
        store.setText(7, 3, QString());
        QCOMPARE(store.filledCount(), 999);
        QCOMPARE(store.text(-1, 5), QString());
        QCOMPARE(store.text(20000, 5), QString());
    }

    void cellStoreOnlyGrows()
    {
        CellStore store(247, 6);
        store.growTo(248, 5);
        QCOMPARE(store.colCount(), 248);
        QCOMPARE(store.rowCount(), 6);
        QVERIFY(store.contains(247, 5));
        QVERIFY(!store.contains(248, 0));
    }

    // 45-pixel columns after a 45-pixel fixed column, 300 pixels wide: cells
    // start at 0, 46, 92, 138, 184, 230, 276 (each followed by its line).
    void axisLayout()
    {
        GridAxis axis(247, 1, 45);
        axis.setExtent(300);
        QCOMPARE(axis.fixedExtent(), 46);
        QCOMPARE(axis.start(1), std::optional<int>(46));
        QCOMPARE(axis.start(3), std::optional<int>(138));
        QCOMPARE(axis.lastVisible(), 6);
        QCOMPARE(axis.lastFullyVisible(), 5);
        QCOMPARE(axis.pageSize(), 4);
        QCOMPARE(axis.usedExtent(), 300);
        QCOMPARE(axis.indexAt(44), 0);
        QCOMPARE(axis.indexAt(45), 0); // the line after a cell belongs to it
        QCOMPARE(axis.indexAt(46), 1);
        QCOMPARE(axis.indexAt(299), 6);
        QCOMPARE(axis.indexAt(300), -1);
        // 254 pixels after the fixed column hold five whole columns.
        QCOMPARE(axis.maxFirst(), 242);
    }

    void axisScrolling()
    {
        GridAxis axis(247, 1, 45);
        axis.setExtent(300);
        QVERIFY(axis.scrollIntoView(10));
        QCOMPARE(axis.first(), 6);
        QCOMPARE(axis.lastFullyVisible(), 10);
        QCOMPARE(axis.start(5), std::nullopt);
        QVERIFY(!axis.isVisible(5));
        QVERIFY(!axis.scrollIntoView(8));
        QVERIFY(axis.scrollIntoView(3));
        QCOMPARE(axis.first(), 3);
        axis.setFirst(1000);
        QCOMPARE(axis.first(), 242);
        axis.setFirst(-4);
        QCOMPARE(axis.first(), 1);
        QCOMPARE(axis.indexAt(50), 1);
        QVERIFY(!axis.scrollIntoView(0)); // fixed cells never scroll
    }

    void axisOfFewCellsShowsThemAll()
    {
        GridAxis rows(6, 1, 21);
        rows.setExtent(500);
        QCOMPARE(rows.maxFirst(), 1);
        QCOMPARE(rows.lastVisible(), 5);
        QCOMPARE(rows.lastFullyVisible(), 5);
        QCOMPARE(rows.pageSize(), 4);
        QCOMPARE(rows.usedExtent(), 6 * 22);
        QCOMPARE(rows.indexAt(6 * 22), -1);
    }

    void cellRects()
    {
        GridGeometry geometry(247, 6, 1, 1, 45, 21);
        geometry.setClientSize({300, 200});
        QCOMPARE(geometry.cellRect({2, 1}), QRect(92, 22, 45, 21));
        QCOMPARE(geometry.cellRect({0, 0}), QRect(0, 0, 45, 21));
        QCOMPARE(geometry.cellRect({6, 5}), QRect(276, 110, 45, 21)); // partly visible
        QCOMPARE(geometry.cellRect({7, 1}), QRect());
        QCOMPARE(geometry.cellAt({100, 30}), QPoint(2, 1));
        QCOMPARE(geometry.cellAt({100, 150}), QPoint(-1, -1));
        QVERIFY(geometry.scrollIntoView({10, 1}));
        QCOMPARE(geometry.cellRect({10, 1}), QRect(230, 22, 45, 21));
        QCOMPARE(geometry.cellRect({2, 1}), QRect());
        QCOMPARE(geometry.cellRect({0, 1}), QRect(0, 22, 45, 21));
    }

    void nearBorder_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("near");
        // The cell (92, 22, 45, 21) has its lines at x 91 and 137, y 21 and 43.
        QTest::newRow("on left line") << QPoint(91, 30) << true;
        QTest::newRow("left of left line") << QPoint(90, 30) << true;
        QTest::newRow("first pixel") << QPoint(92, 30) << true;
        QTest::newRow("second pixel") << QPoint(93, 30) << false;
        QTest::newRow("last pixel") << QPoint(136, 30) << true;
        QTest::newRow("right line") << QPoint(137, 30) << true;
        QTest::newRow("beyond right line") << QPoint(138, 30) << true;
        QTest::newRow("two beyond") << QPoint(139, 30) << false;
        QTest::newRow("top line") << QPoint(110, 21) << true;
        QTest::newRow("below top") << QPoint(110, 23) << false;
        QTest::newRow("bottom line") << QPoint(110, 43) << true;
        QTest::newRow("middle") << QPoint(114, 32) << false;
        QTest::newRow("far away on the line's row") << QPoint(300, 21) << false;
    }
    void nearBorder()
    {
        QFETCH(QPoint, pos);
        QFETCH(bool, near);
        QCOMPARE(GridGeometry::isNearBorder(pos, QRect(92, 22, 45, 21)), near);
    }

    void editZone_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("inside");
        // Cell from x 92 to 136; more than 3 pixels inside both edges.
        QTest::newRow("3 inside left") << 95 << false;
        QTest::newRow("4 inside left") << 96 << true;
        QTest::newRow("4 inside right") << 133 << true;
        QTest::newRow("3 inside right") << 134 << false;
    }
    void editZone()
    {
        QFETCH(int, x);
        QFETCH(bool, inside);
        QCOMPARE(GridGeometry::isInsideEditZone({x, 30}, QRect(92, 22, 45, 21)), inside);
    }

    void zoomStaysInRange()
    {
        GridGeometry geometry(247, 6, 1, 1, 45, 21);
        QCOMPARE(geometry.zoom(), 0);
        QVERIFY(geometry.setZoom(10));
        QVERIFY(!geometry.setZoom(11));
        QVERIFY(!geometry.setZoom(-11));
        QCOMPARE(geometry.zoom(), 10);
    }

    // A grid of 247 x 6 that shows columns 10 to 13 whole (page 4) and rows
    // 1 to 3 whole (page 2).
    void navigation_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("leftCol"); // -99: no scroll
        QTest::addColumn<int>("topRow");
        QTest::addColumn<bool>("extend");
        const Qt::KeyboardModifiers none;
        const int no = -99; // no scroll
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("left") << int(Qt::Key_Left) << none << QPoint(5, 3) << QPoint(4, 3) << no << no
                              << false;
        QTest::newRow("left clamps") << int(Qt::Key_Left) << none << QPoint(1, 3) << QPoint(1, 3) << no << no
                                     << false;
        QTest::newRow("right clamps")
            << int(Qt::Key_Right) << none << QPoint(246, 3) << QPoint(246, 3) << no << no << false;
        QTest::newRow("up clamps") << int(Qt::Key_Up) << none << QPoint(5, 1) << QPoint(5, 1) << no << no
                                   << false;
        QTest::newRow("down") << int(Qt::Key_Down) << none << QPoint(5, 3) << QPoint(5, 4) << no << no
                              << false;
        QTest::newRow("down clamps") << int(Qt::Key_Down) << none << QPoint(5, 5) << QPoint(5, 5) << no << no
                                     << false;
        QTest::newRow("home") << int(Qt::Key_Home) << none << QPoint(50, 3) << QPoint(1, 3) << no << no
                              << false;
        QTest::newRow("end") << int(Qt::Key_End) << none << QPoint(5, 3) << QPoint(246, 3) << no << no
                             << false;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << none << QPoint(5, 2) << QPoint(5, 4) << no << 3
                                   << false;
        QTest::newRow("page down clamps")
            << int(Qt::Key_PageDown) << none << QPoint(5, 5) << QPoint(5, 5) << no << 3 << false;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << none << QPoint(5, 3) << QPoint(5, 1) << no << -1
                                 << false;
        QTest::newRow("ctrl left") << int(Qt::Key_Left) << ctrl << QPoint(12, 3) << QPoint(8, 3) << 6 << no
                                   << false;
        QTest::newRow("ctrl left clamps")
            << int(Qt::Key_Left) << ctrl << QPoint(2, 3) << QPoint(1, 3) << 6 << no << false;
        QTest::newRow("ctrl right") << int(Qt::Key_Right) << ctrl << QPoint(12, 3) << QPoint(16, 3) << 14
                                    << no << false;
        QTest::newRow("ctrl up scrolls only")
            << int(Qt::Key_Up) << ctrl << QPoint(5, 3) << QPoint(5, 3) << no << 0 << false;
        QTest::newRow("ctrl down scrolls only")
            << int(Qt::Key_Down) << ctrl << QPoint(5, 3) << QPoint(5, 3) << no << 2 << false;
        QTest::newRow("ctrl page up")
            << int(Qt::Key_PageUp) << ctrl << QPoint(5, 3) << QPoint(5, 1) << no << no << false;
        QTest::newRow("ctrl page down")
            << int(Qt::Key_PageDown) << ctrl << QPoint(5, 1) << QPoint(5, 3) << no << no << false;
        QTest::newRow("ctrl home") << int(Qt::Key_Home) << ctrl << QPoint(50, 3) << QPoint(1, 1) << no << no
                                   << false;
        QTest::newRow("ctrl end") << int(Qt::Key_End) << ctrl << QPoint(5, 3) << QPoint(246, 5) << no << no
                                  << false;
        QTest::newRow("shift right") << int(Qt::Key_Right) << shift << QPoint(5, 3) << QPoint(6, 3) << no
                                     << no << true;
        QTest::newRow("ctrl shift end")
            << int(Qt::Key_End) << (ctrl | shift) << QPoint(5, 3) << QPoint(246, 5) << no << no << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << QPoint(5, 3) << QPoint(6, 3) << no << no << false;
        QTest::newRow("tab wraps row")
            << int(Qt::Key_Tab) << none << QPoint(246, 2) << QPoint(1, 3) << no << no << false;
        QTest::newRow("tab wraps grid")
            << int(Qt::Key_Tab) << none << QPoint(246, 5) << QPoint(1, 1) << no << no << false;
        QTest::newRow("backtab wraps row")
            << int(Qt::Key_Backtab) << shift << QPoint(1, 3) << QPoint(246, 2) << no << no << false;
        QTest::newRow("backtab wraps grid")
            << int(Qt::Key_Backtab) << shift << QPoint(1, 1) << QPoint(246, 5) << no << no << false;
    }
    void navigation()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, leftCol);
        QFETCH(int, topRow);
        QFETCH(bool, extend);
        const GridNavigator::View view{247, 6, 1, 1, 10, 1, 4, 2, 3};
        const std::optional<GridNavigator::Move> move = GridNavigator::move(key, modifiers, from, view);
        QVERIFY(move.has_value());
        QCOMPARE(move->current, to);
        QCOMPARE(move->leftCol.value_or(-99), leftCol);
        QCOMPARE(move->topRow.value_or(-99), topRow);
        QCOMPARE(move->extend, extend);
    }

    void otherKeysAreNoMoves()
    {
        const GridNavigator::View view{247, 6, 1, 1, 1, 1, 4, 2, 3};
        for (int key : {int(Qt::Key_F2), int(Qt::Key_Delete), int(Qt::Key_Insert), int(Qt::Key_A)})
            QVERIFY(!GridNavigator::move(key, {}, {5, 3}, view).has_value());
    }

    void linesSplitAtCarriageReturn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "245" << QStringList{"245"};
        QTest::newRow("CR") << "a\rbb" << QStringList{"a", "bb"};
        QTest::newRow("CR LF is one break") << "a\r\nbb" << QStringList{"a", "bb"};
        QTest::newRow("lone LF is no break") << "a\nbb" << QStringList{"a\nbb"};
        QTest::newRow("trailing CR") << "a\r" << QStringList{"a", ""};
        QTest::newRow("CR CR") << "a\r\rb" << QStringList{"a", "", "b"};
    }
    void linesSplitAtCarriageReturn()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(ColumnAutoSizer::lines(text), lines);
    }

    void autoSizeWidths()
    {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        const QFontMetrics metrics(font);
        const int xx = metrics.horizontalAdvance(QStringLiteral("xx"));
        CellStore cells(4, 6);
        cells.setText(1, 0, QStringLiteral("245"));
        cells.setText(1, 3, QStringLiteral("7"));
        cells.setText(2, 1, QStringLiteral("1\r\nWWWWWW\r22"));
        const ColumnAutoSizer sizer(metrics);
        QCOMPARE(sizer.width(cells, 1, 0), metrics.horizontalAdvance(QStringLiteral("245")) + xx);
        QCOMPARE(sizer.width(cells, 2, 0), metrics.horizontalAdvance(QStringLiteral("WWWWWW")) + xx);
        QCOMPARE(sizer.width(cells, 3, 0), xx);
        QCOMPARE(sizer.width(cells, 3, 5), xx + 5);
    }
};

DAVOVO_TEST(GridPartsTest);

#include "gridpartstest.moc"
