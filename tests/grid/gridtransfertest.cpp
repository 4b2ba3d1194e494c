#include "grid/stringgrid.h"
#include "support/dropping.h"
#include "support/recordingdialogs.h"
#include "support/tempdir.h"
#include "support/showfocused.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// A grid of 247 x 6 in a window, focused, holding 1, 2 over 3, 4 in
// columns 1 and 2 of rows 1 and 2, with a record of its events.
class TransferWindow {
public:
    TransferWindow()
    {
        window.resize(700, 200);
        auto *layout = new QVBoxLayout(&window);
        grid = new StringGrid(247, 6);
        grid->setDefaultColWidth(45);
        grid->setDefaultRowHeight(21);
        layout->addWidget(grid);
        grid->setCell(1, 1, QStringLiteral("1"));
        grid->setCell(2, 1, QStringLiteral("2"));
        grid->setCell(1, 2, QStringLiteral("3"));
        grid->setCell(2, 2, QStringLiteral("4"));
        grid->onCellValidate = [this](int col, int row, QString &value, bool &) {
            calls << QStringLiteral("validate %1,%2 %3").arg(col).arg(row).arg(value);
        };
    }
    [[nodiscard]] bool showFocused() { return ::showFocused(window, *grid); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void selectTwoByTwo()
    {
        key(Qt::Key_Right, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ShiftModifier);
    }
    void drop(QMimeData *data, QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const DropAnswer answer = dropOnto(grid->viewport(), data, pos, modifiers);
        accepted = answer.accepted;
        action = answer.action;
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF pos = grid->cellRect(3, 3).center();
        QWheelEvent event(pos, grid->viewport()->mapToGlobal(pos), {}, {0, delta}, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
    }

    QWidget window;
    StringGrid *grid;
    QStringList calls;
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

} // namespace

class GridTransferTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void copyCutPasteOnTheGrid()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        w.selectTwoByTwo();
        w.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2\r\n3\t4"));

        w.key(Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(w.grid->cell(1, 1), QString());
        QCOMPARE(w.grid->cell(2, 2), QString());

        w.grid->setCurrentCell(5, 3);
        w.key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.grid->cell(5, 3), QStringLiteral("1"));
        QCOMPARE(w.grid->cell(6, 4), QStringLiteral("4"));
        QCOMPARE(w.calls, QStringList()); // transfers raise no events
    }

    // In the in-place editor the same keys act on its own text.
    void pasteInTheEditorIsTheEditorsOwn()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        QGuiApplication::clipboard()->setText(QStringLiteral("77"));
        w.key(Qt::Key_F2);
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.grid->inplaceEditor()->text(), QStringLiteral("177"));
        QCOMPARE(w.grid->cell(2, 1), QStringLiteral("2"));
    }

    // A paste is noticed only by the next validation check; Escape puts the
    // current cell's text back.
    void pasteIsNoticedAtTheNextMoveAndEscapeUndoesIt()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("9"));
        w.key(Qt::Key_Escape);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("1"));

        w.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.calls.isEmpty());
        w.key(Qt::Key_Right);
        QCOMPARE(w.calls, QStringList{"validate 1,1 9"});
    }

    void textDrop()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        auto *data = new QMimeData;
        data->setText(QStringLiteral("a\tb\r\nc"));
        w.drop(data, w.grid->cellRect(4, 2).center(), Qt::ControlModifier);
        QVERIFY(w.accepted);
        QCOMPARE(w.action, Qt::CopyAction);
        QCOMPARE(w.grid->cell(4, 2), QStringLiteral("a"));
        QCOMPARE(w.grid->cell(5, 2), QStringLiteral("b"));
        QCOMPARE(w.grid->cell(4, 3), QStringLiteral("c"));

        // Lines ended by LF alone, as most programs here write them, are rows.
        data->setText(QStringLiteral("d\ne"));
        w.drop(data, w.grid->cellRect(7, 1).center());
        QCOMPARE(w.grid->cell(7, 1), QStringLiteral("d"));
        QCOMPARE(w.grid->cell(7, 2), QStringLiteral("e"));

        // Below the last row there is no cell to start in.
        const QRect last = w.grid->cellRect(1, 5);
        w.drop(data, {last.center().x(), last.bottom() + 20});
        QVERIFY(!w.accepted);
        delete data;
    }

    void csvFileDrop()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        const TempDir dir;
        const QString csv = dir.write(QStringLiteral("colours.csv"), "x;y\n5;6\n7;8\n9;10\n11;12\n13;14\n");
        const QString other = dir.write(QStringLiteral("colours.txt"), "p;q\n");
        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(other)});
        w.drop(data, w.grid->cellRect(3, 3).center());
        QVERIFY(!w.accepted);

        data->setUrls({QUrl::fromLocalFile(csv)});
        w.drop(data, w.grid->cellRect(3, 3).center());
        QVERIFY(w.accepted);
        QCOMPARE(w.action, Qt::MoveAction);
        QTRY_COMPARE(w.grid->cell(0, 0), QStringLiteral("x"));
        QCOMPARE(w.grid->cell(1, 5), QStringLiteral("14"));
        QCOMPARE(w.grid->rowCount(), 6);
        QCOMPARE(w.grid->cell(2, 1), QStringLiteral("2")); // outside the data
        delete data;
    }

    void dragStartsFromTheSelectionBorderAndChangesNothing()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        w.selectTwoByTwo();
        QString dragged;
        w.grid->setDragRunner([&](QMimeData *data) { dragged = data->text(); });
        const QRect rect = w.grid->cellRect(2, 2);
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          {rect.left(), rect.center().y()});
        QCOMPARE(dragged, QStringLiteral("1\t2\r\n3\t4"));
        QCOMPARE(w.grid->selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
        QCOMPARE(w.grid->currentCell(), QPoint(2, 2));
    }

    // One notch moves by the wheel-scroll lines and one more row, within
    // rows 1 to 5; with Ctrl it zooms instead of the first movement.
    void wheelMovesAndZooms()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        QApplication::setWheelScrollLines(1);
        w.wheel(-120);
        QCOMPARE(w.grid->row(), 3);
        w.wheel(-60);
        QCOMPARE(w.grid->row(), 3); // half a notch waits for the other half
        w.wheel(-60);
        QCOMPARE(w.grid->row(), 5);

        const int width = w.grid->colWidth(4);
        w.wheel(-120, Qt::ControlModifier);
        QCOMPARE(w.grid->zoom(), 1);
        QCOMPARE(w.grid->colWidth(4), width + 1);
        QCOMPARE(w.grid->row(), 5);
        QApplication::setWheelScrollLines(3);
    }

    void middleButtonPansUntilTheNextKey()
    {
        TransferWindow w;
        QVERIFY(w.showFocused());
        QTest::mouseClick(w.grid->viewport(), Qt::MiddleButton, Qt::NoModifier,
                          w.grid->cellRect(3, 3).center());
        QVERIFY(w.grid->isPanning());
        QCOMPARE(w.grid->viewport()->cursor().shape(), Qt::BitmapCursor);
        w.key(Qt::Key_Down);
        QVERIFY(!w.grid->isPanning());
        QCOMPARE(w.grid->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.grid->currentCell(), QPoint(1, 1)); // the key only ended panning
    }
};

DAVOVO_TEST(GridTransferTest);

#include "gridtransfertest.moc"
