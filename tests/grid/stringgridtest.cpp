#include "grid/stringgrid.h"
#include "grid/view/columnautosizer.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/showfocused.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// A window with the grid configured as the editor window does, a second
// control to move the focus to, and a record of the grid's events.
class GridWindow {
public:
    GridWindow()
    {
        window.resize(700, 260);
        auto *layout = new QVBoxLayout(&window);
        grid = new StringGrid(247, 6);
        grid->setDefaultColWidth(45);
        grid->setFixedColWidth(45);
        grid->setDefaultRowHeight(21);
        grid->setFixedRowHeight(21);
        layout->addWidget(grid);
        other = new QLineEdit;
        layout->addWidget(other);
        grid->onGetEditText = [this](int col, int row, QString &value) {
            calls << QStringLiteral("get %1,%2 %3").arg(col).arg(row).arg(value);
        };
        grid->onCellValidate = [this](int col, int row, QString &value, bool &valid) {
            calls << QStringLiteral("validate %1,%2 %3").arg(col).arg(row).arg(value);
            if (validate)
                validate(value, valid);
        };
    }

    [[nodiscard]] bool showFocused() { return ::showFocused(window, *grid); }

    // Keys go where the focus is, as the user's keys do.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void click(int col, int row, QPoint offset = {-1, -1})
    {
        const QRect rect = grid->cellRect(col, row);
        const QPoint pos = offset.x() < 0 ? rect.center() : rect.topLeft() + offset;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
    [[nodiscard]] QString editorText() const { return grid->inplaceEditor()->text(); }

    QWidget window;
    StringGrid *grid;
    QLineEdit *other;
    QStringList calls;
    std::function<void(QString &value, bool &valid)> validate;
};

// The centre of an arrow or the track of the bar, where a user clicks.
QPoint scrollBarPartCentre(const QScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    if (bar.orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

} // namespace

class StringGridTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void typingReplacesTheText()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("7"));
        QCOMPARE(w.calls, QStringList{"get 1,1 12"});
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("7"));
        QVERIFY(w.grid->isEditorVisible());
        QVERIFY(w.grid->inplaceEditor()->hasFocus());
    }

    void backspaceEmptiesTheCell()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Backspace);
        QCOMPARE(w.grid->cell(1, 1), QString());
        QVERIFY(w.grid->isEditorMode());
    }

    void f2PutsTheCaretAtTheEnd()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.key(Qt::Key_F2);
        w.type(QStringLiteral("3"));
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("123"));
        QCOMPARE(w.calls, QStringList{"get 1,1 12"});
    }

    void enterWithoutChangeRaisesNoValidation()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Return); // opens, all selected
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.grid->inplaceEditor()->selectedText(), QStringLiteral("12"));
        w.type(QStringLiteral("12"));
        w.key(Qt::Key_Return);
        QCOMPARE(w.calls, QStringList{"get 1,1 12"});
        QVERIFY(!w.grid->isEditorMode());
        QVERIFY(!w.grid->isEditorVisible());
        QCOMPARE(w.grid->currentCell(), QPoint(1, 1));
    }

    void enterAfterChangeValidates()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("13"));
        w.key(Qt::Key_Return);
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "validate 1,1 13"}));
        QVERIFY(!w.grid->isEditorMode());
        // Re-armed: a second Enter on the same text raises nothing.
        w.key(Qt::Key_Return);
        w.key(Qt::Key_Return);
        QCOMPARE(w.calls.size(), 3);
    }

    void invalidValueKeepsTheEditorOpen()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        w.validate = [](QString &, bool &valid) { valid = false; };
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("13"));
        w.key(Qt::Key_Return);
        // Not valid and the value unchanged: the check text comes back.
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("12"));
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "validate 1,1 13", "get 1,1 12"}));
    }

    void handlerMayChangeTheValue()
    {
        GridWindow w;
        w.validate = [](QString &value, bool &) { value = QStringLiteral("fixed"); };
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("x"));
        w.key(Qt::Key_Down);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("fixed"));
        QCOMPARE(w.grid->currentCell(), QPoint(1, 2));
    }

    void escapeRestoresTheText()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("13"));
        w.key(Qt::Key_Escape);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("12"));
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.editorText(), QStringLiteral("12"));
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "get 1,1 12", "get 1,1 12"}));
        w.key(Qt::Key_Return);
        QCOMPARE(w.calls.size(), 3);
        QVERIFY(!w.grid->isEditorMode());
    }

    void escapeDoesNotCloseADialog()
    {
        QDialog dialog;
        auto *grid = new StringGrid(5, 3, &dialog);
        (new QVBoxLayout(&dialog))->addWidget(grid);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        grid->setFocus();
        QTest::keyClick(QApplication::focusWidget(), 'a');
        QVERIFY(grid->isEditorVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }

    void editAThenClickB()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        w.grid->setCell(3, 2, QStringLiteral("b"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        w.click(3, 2);
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "validate 1,1 5", "get 3,2 b"}));
        QCOMPARE(w.grid->currentCell(), QPoint(3, 2));
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.grid->selection(), QRect(QPoint(3, 2), QPoint(3, 2)));
    }

    void clickNearTheLeftEdgeDoesNotEdit()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.click(3, 2, {3, 10});
        QCOMPARE(w.grid->currentCell(), QPoint(3, 2));
        QVERIFY(!w.grid->isEditorMode());
        w.click(4, 2, {4, 10});
        QCOMPARE(w.grid->currentCell(), QPoint(4, 2));
        QVERIFY(w.grid->isEditorVisible());
    }

    void clickOnTheCurrentCellOpensTheEditor()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.click(1, 1);
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.calls, QStringList{"get 1,1 12"});
    }

    // Clicking the edited cell again reloads the editor before the check.
    void clickOnTheEditedCellReloadsBeforeTheCheck()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        w.click(1, 1);
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "get 1,1 5", "validate 1,1 5"}));
        QVERIFY(w.grid->isEditorVisible());
    }

    void pressesOnFixedCellsDoNothing()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.click(0, 3);
        w.click(4, 0);
        QCOMPARE(w.grid->currentCell(), QPoint(1, 1));
        QVERIFY(w.calls.isEmpty());
    }

    void pressOnASelectionBorderChangesNothing()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Right, Qt::ShiftModifier);
        w.click(2, 1);
        QVERIFY(w.grid->isEditorVisible());
        const QStringList before = w.calls;
        // The first pixel of column 2, inside the selection.
        w.click(2, 1, {0, 10});
        QCOMPARE(w.grid->currentCell(), QPoint(2, 1));
        QCOMPARE(w.grid->selection(), QRect(QPoint(1, 1), QPoint(2, 1)));
        QVERIFY(w.grid->isEditorVisible());
        QCOMPARE(w.calls, before);
    }

    void programChangeIsNoticedAtTheNextMove()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.grid->setCell(1, 1, QStringLiteral("99"));
        QVERIFY(w.calls.isEmpty());
        w.key(Qt::Key_Right);
        QCOMPARE(w.calls, QStringList{"validate 1,1 99"});
        QCOMPARE(w.grid->currentCell(), QPoint(2, 1));
    }

    void writingTheCurrentCellReloadsTheEditor()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.key(Qt::Key_F2);
        w.grid->setCell(1, 1, QStringLiteral("new"));
        QCOMPARE(w.calls, (QStringList{"get 1,1 ", "get 1,1 new"}));
        QCOMPARE(w.editorText(), QStringLiteral("new"));
    }

    void exceptionInTheHandlerOnEnter()
    {
        GridWindow w;
        w.grid->setCell(1, 1, QStringLiteral("12"));
        int raises = 2;
        w.validate = [&](QString &, bool &) {
            if (raises-- > 0)
                throw Exception(QStringLiteral("bad value"));
        };
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        w.key(Qt::Key_Return);
        QCOMPARE(recordedDialogs().errors(), QStringList{"bad value."});
        // The box took the focus and gave it back: no check of its own.
        QCOMPARE(w.calls, (QStringList{"get 1,1 12", "validate 1,1 5"}));
        QVERIFY(w.grid->isEditorVisible());
        QVERIFY(w.grid->inplaceEditor()->hasFocus());
        QCOMPARE(w.editorText(), QStringLiteral("5"));
        // Not re-armed: the same cell is judged again.
        w.key(Qt::Key_Return);
        QCOMPARE(recordedDialogs().errors().size(), 2);
        w.key(Qt::Key_Return);
        QCOMPARE(recordedDialogs().errors().size(), 2);
        QCOMPARE(w.calls.count(QStringLiteral("validate 1,1 5")), 3);
        QVERIFY(!w.grid->isEditorMode());
    }

    void exceptionInTheHandlerOnAClick()
    {
        GridWindow w;
        int raises = 1;
        w.validate = [&](QString &, bool &) {
            if (raises-- > 0)
                throw Exception(QStringLiteral("bad value"));
        };
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        w.click(3, 3);
        QCOMPARE(recordedDialogs().errors().size(), 1);
        QCOMPARE(w.grid->currentCell(), QPoint(3, 3));
        QVERIFY(!w.grid->isEditorMode()); // the click opens no editor
        w.key(Qt::Key_Down);
        QCOMPARE(w.calls, (QStringList{"get 1,1 ", "validate 1,1 5", "validate 1,1 5"}));
        // Re-armed on the new cell now.
        w.key(Qt::Key_Down);
        QCOMPARE(w.calls.size(), 3);
    }

    void leavingTheGridValidatesAndClosesTheEditor()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.calls, (QStringList{"get 1,1 ", "validate 1,1 5"}));
        QVERIFY(!w.grid->isEditorMode());
        QVERIFY(!w.grid->isFocusedControl());
        // Coming back arms the check and the restore text on the current cell.
        w.grid->setFocus(Qt::TabFocusReason);
        QVERIFY(w.grid->isFocusedControl());
        w.type(QStringLiteral("6"));
        w.key(Qt::Key_Escape);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("5"));
    }

    void windowDeactivationIsNoFocusMove()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QVERIFY(w.grid->isFocusedControl());
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QCOMPARE(w.calls, QStringList{"get 1,1 "});
        QVERIFY(w.grid->isEditorMode());
    }

    void navigationKeysMoveAndSelect()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Right, Qt::ShiftModifier);
        w.key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.grid->selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
        w.key(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w.grid->currentCell(), QPoint(246, 5));
        QCOMPARE(w.grid->selection(), QRect(QPoint(246, 5), QPoint(246, 5)));
        w.key(Qt::Key_Left, Qt::ShiftModifier);
        w.key(Qt::Key_Left, Qt::ShiftModifier);
        w.key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(w.grid->selection(), QRect(QPoint(244, 4), QPoint(246, 5)));
        // Scrolled so that the current cell is visible whole.
        const QRect rect = w.grid->cellRect(246, 5);
        QVERIFY(!rect.isEmpty());
        QVERIFY(rect.right() < w.grid->viewport()->width());
        QCOMPARE(w.grid->cellRect(1, 1), QRect());
        w.key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w.grid->currentCell(), QPoint(1, 1));
        QCOMPARE(w.grid->leftCol(), 1);
    }

    // Page sizes come from the fully visible columns of the real viewport.
    void ctrlRightMovesByAPage()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        const GridAxis &cols = w.grid->geometry().columns();
        const int page = cols.lastFullyVisible() - cols.first();
        QVERIFY(page >= 1);
        w.key(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(w.grid->currentCell(), QPoint(1 + page, 1));
        QCOMPARE(w.grid->leftCol(), 1 + page);
    }

    void editorPassesVerticalKeysAndTab()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("ab"));
        w.key(Qt::Key_Left); // stays in the text
        QCOMPARE(w.grid->currentCell(), QPoint(1, 1));
        QVERIFY(w.grid->isEditorVisible());
        w.key(Qt::Key_Down);
        QCOMPARE(w.grid->currentCell(), QPoint(1, 2));
        QVERIFY(!w.grid->isEditorMode());
        w.type(QStringLiteral("c"));
        w.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.grid->currentCell(), QPoint(246, 1));
        w.key(Qt::Key_Tab);
        QCOMPARE(w.grid->currentCell(), QPoint(1, 2));
        QVERIFY(w.grid->hasFocus());
    }

    void currentCellOutsideTheGridIsRefused_data()
    {
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("beyond the columns") << QPoint(247, 1);
        QTest::newRow("beyond the rows") << QPoint(1, 6);
        QTest::newRow("negative") << QPoint(-1, 1);
        QTest::newRow("fixed") << QPoint(0, 1);
    }
    // Proportional bars of 0 .. 127; the arrows and page clicks still move
    // by a column and a page, a dragged thumb to the mapped column.
    void scrollBarsMoveByColumnsPagesAndThumb()
    {
        GridWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QScrollBar *bar = w.grid->horizontalScrollBar();
        QCOMPARE(bar->maximum() + bar->pageStep(), 128);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(w.grid->leftCol(), 2);
        const int page = w.grid->geometry().columns().pageSize();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(w.grid->leftCol(), 2 + page);
        QCOMPARE(bar->value(), w.grid->geometry().columns().scrollBarPosition());
        bar->setSliderPosition(bar->maximum());
        QCOMPARE(w.grid->leftCol(), w.grid->geometry().columns().maxFirst());
        bar->setSliderPosition(bar->maximum() / 2);
        QCOMPARE(w.grid->leftCol(),
                 w.grid->geometry().columns().firstForScrollBarPosition(bar->maximum() / 2));
    }

    // What the screen shows right after a click on a bar's arrow or track,
    // before any other event can repaint the window, must be the cells at
    // the new scroll position: a stale picture puts the user's next typed
    // value into another entry than the one they see.
    void scrollBarClicksRepaintAtOnce_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<QStyle::SubControl>("part");
        QTest::newRow("right arrow") << Qt::Horizontal << QStyle::SC_ScrollBarAddLine;
        QTest::newRow("track right of the thumb") << Qt::Horizontal << QStyle::SC_ScrollBarAddPage;
        QTest::newRow("down arrow") << Qt::Vertical << QStyle::SC_ScrollBarAddLine;
    }
    void scrollBarClicksRepaintAtOnce()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(QStyle::SubControl, part);
        GridWindow w;
        w.window.resize(700, 130); // rows scroll too
        for (int col = 1; col < 247; ++col)
            for (int row = 1; row < 6; ++row)
                w.grid->setCell(col, row, QString::number(col * 10 + row));
        QVERIFY(w.showFocused());
        QScrollBar *bar = orientation == Qt::Horizontal ? w.grid->horizontalScrollBar()
                                                        : w.grid->verticalScrollBar();
        QVERIFY(bar->isVisible() && bar->maximum() > 0);
        QApplication::processEvents(); // the first picture is on the screen
        const QPoint firstShown(w.grid->leftCol(), w.grid->topRow());

        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, scrollBarPartCentre(*bar, part));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);

        QVERIFY(QPoint(w.grid->leftCol(), w.grid->topRow()) != firstShown);
        QWidget *viewport = w.grid->viewport();
        const QImage shown = w.window.screen()
                                 ->grabWindow(w.window.winId(), viewport->mapTo(&w.window, QPoint()).x(),
                                              viewport->mapTo(&w.window, QPoint()).y(), viewport->width(),
                                              viewport->height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, viewport->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void currentCellOutsideTheGridIsRefused()
    {
        QFETCH(QPoint, cell);
        StringGrid grid(247, 6);
        try {
            grid.setCurrentCell(cell.x(), cell.y());
            QFAIL("no error");
        } catch (const EInvalidGridOperation &e) {
            QCOMPARE(e.message(), QStringLiteral("Grid index out of range"));
        }
        QCOMPARE(grid.currentCell(), QPoint(1, 1));
    }

    void sizeOutsideTheGridIsRefused()
    {
        StringGrid grid(3, 2);
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, grid.setColWidth(3, 10));
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, grid.setRowHeight(-1, 10));
        grid.setColWidth(2, 10);
        QCOMPARE(grid.colWidth(2), 10);
    }

    void headersFillAsFarAsTheGridReaches()
    {
        StringGrid grid(3, 2);
        grid.setColumnHeaders({"a", "b", "c", "d"});
        grid.setRowHeaders({"r0", "r1", "r2"});
        QCOMPARE(grid.cell(0, 0), QStringLiteral("r0"));
        QCOMPARE(grid.cell(2, 0), QStringLiteral("c"));
        QCOMPARE(grid.cell(0, 1), QStringLiteral("r1"));
        QCOMPARE(grid.colCount(), 3);
    }

    // The widths themselves are the sizer's; the grid applies them to the
    // columns asked for, with the margin.
    void autoSizeIncludesFixedColumnsOnlyWhenAsked()
    {
        StringGrid grid(4, 3);
        grid.setCell(1, 0, QStringLiteral("245"));
        grid.setCell(0, 1, QStringLiteral("Location"));
        grid.setFixedColWidth(7);
        const ColumnAutoSizer sizer{QFontMetrics(grid.style().font)};
        grid.autoSizeColumns(false, 3);
        QCOMPARE(grid.colWidth(0), 7);
        QCOMPARE(grid.colWidth(1), sizer.width(grid.cells(), 1, 3));
        grid.autoSizeColumns(true, 0);
        QCOMPARE(grid.colWidth(0), sizer.width(grid.cells(), 0, 0));
        QCOMPARE(grid.colWidth(2), sizer.width(grid.cells(), 2, 0));
    }

    // Cells are drawn region by region, row by row, each row from the left;
    // only those that meet the repainted area.
    void paintOrderAndRegion()
    {
        GridWindow w;
        QList<QPoint> drawn;
        QStringList brushes;
        w.grid->onDrawCell = [&](int col, int row, const QRect &rect, DrawStates state) {
            drawn << QPoint(col, row);
            QVERIFY(w.grid->canvas() != nullptr);
            QCOMPARE(rect, w.grid->cellRect(col, row));
            if (state & DrawState::Fixed)
                QCOMPARE(w.grid->canvas()->brush().color(), w.grid->style().fixedColor);
        };
        QVERIFY(w.showFocused());
        QCOMPARE(w.grid->canvas(), nullptr);
        drawn.clear();
        w.grid->viewport()->repaint();
        QVERIFY(drawn.size() > 12);
        QCOMPARE(drawn[0], QPoint(0, 0));
        QCOMPARE(drawn[1], QPoint(1, 0));
        const int lastCol = w.grid->geometry().columns().lastVisible();
        QCOMPARE(drawn[lastCol + 1], QPoint(0, 1));
        QCOMPARE(drawn[lastCol + 6], QPoint(1, 1));
        QCOMPARE(drawn[lastCol + 7], QPoint(2, 1));
        drawn.clear();
        w.grid->viewport()->repaint(w.grid->cellRect(3, 2));
        QCOMPARE(drawn, QList<QPoint>{QPoint(3, 2)});
        // The editor covers the current cell, which is not drawn.
        w.key(Qt::Key_F2);
        QApplication::processEvents();
        drawn.clear();
        w.grid->viewport()->repaint(w.grid->cellRect(1, 1).united(w.grid->cellRect(2, 1)));
        QCOMPARE(drawn, QList<QPoint>{QPoint(2, 1)});
    }

    void drawStates()
    {
        GridWindow w;
        QHash<QPoint, DrawStates> states;
        w.grid->onDrawCell = [&](int col, int row, const QRect &, DrawStates state) {
            states.insert(QPoint(col, row), state);
        };
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Right, Qt::ShiftModifier);
        w.grid->viewport()->repaint();
        using S = DrawState;
        QCOMPARE(states.value({0, 1}), DrawStates(S::Fixed));
        QCOMPARE(states.value({1, 1}), DrawStates(S::Selected));
        QCOMPARE(states.value({2, 1}), S::Selected | S::Focused);
        QCOMPARE(states.value({3, 1}), DrawStates());
    }

    // The current cell alone selected: the black outline, and inside it the
    // focus rectangle (inverted dots on white).
    void outlineAndFocusRectangle()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        const QImage image = w.grid->viewport()->grab().toImage();
        const QRect rect = w.grid->cellRect(1, 1);
        const QColor base = w.grid->style().color;
        QCOMPARE(image.pixelColor(rect.topLeft()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(rect.left() + 1, rect.center().y()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(rect.bottomRight()), QColor(Qt::black));
        const int y = rect.top() + 2;
        const int x = rect.left() + 2 + ((rect.left() + 2 + y) % 2);
        QCOMPARE(image.pixelColor(x, y), QColor(255 - base.red(), 255 - base.green(), 255 - base.blue()));
        QCOMPARE(image.pixelColor(x + 1, y), base);
        // An unselected cell has neither.
        const QRect other = w.grid->cellRect(3, 3);
        QCOMPARE(image.pixelColor(other.topLeft()), base);
    }

    // A text wider than its cell is cut off 2 pixels inside the cell's
    // right edge, where the text's rectangle ends.
    void textIsCutOffAtItsRectangle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << "WWWWWWWWWW";
        QTest::newRow("several lines") << "WWWWWWWWWW\rW";
    }
    void textIsCutOffAtItsRectangle()
    {
        QFETCH(QString, text);
        GridWindow w;
        w.grid->setCell(3, 2, text);
        w.grid->setColWidth(3, 12);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage image = w.grid->viewport()->grab().toImage();
        const QRect cell = w.grid->cellRect(3, 2);
        const QColor base = w.grid->style().color;
        int inked = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right() - 2; ++x)
                inked += image.pixelColor(x, y) != base;
            for (int x = cell.right() - 1; x <= cell.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), base);
        }
        QVERIFY(inked > 0);
    }

    void cellsBeyondTheViewAreEmptyRects()
    {
        GridWindow w;
        QVERIFY(w.showFocused());
        QCOMPARE(w.grid->cellRect(200, 1), QRect());
        QCOMPARE(w.grid->cellRect(200, 1).width(), 0);
    }
};

DAVOVO_TEST(StringGridTest);

#include "stringgridtest.moc"
