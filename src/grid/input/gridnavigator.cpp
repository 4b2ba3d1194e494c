#include "grid/input/gridnavigator.h"

#include <algorithm>

namespace {

using Move = GridNavigator::Move;
using View = GridNavigator::View;

std::optional<Move> ctrlMove(int key, QPoint cell, const View &view)
{
    Move move{cell, std::nullopt, std::nullopt};
    switch (key) {
    case Qt::Key_Left:
        move.current.rx() -= view.colPage;
        move.leftCol = view.leftCol - view.colPage;
        break;
    case Qt::Key_Right:
        move.current.rx() += view.colPage;
        move.leftCol = view.leftCol + view.colPage;
        break;
    case Qt::Key_Up:
        move.topRow = view.topRow - 1;
        break;
    case Qt::Key_Down:
        move.topRow = view.topRow + 1;
        break;
    case Qt::Key_PageUp:
        move.current.ry() = view.topRow;
        break;
    case Qt::Key_PageDown:
        move.current.ry() = view.lastFullyVisibleRow;
        break;
    case Qt::Key_Home:
        move.current = {view.fixedCols, view.fixedRows};
        break;
    case Qt::Key_End:
        move.current = {view.colCount - 1, view.rowCount - 1};
        break;
    default:
        return std::nullopt;
    }
    return move;
}

// Tab and Shift+Tab walk the editable cells row by row, wrapping at both ends.
QPoint tabMove(bool forward, QPoint cell, const View &view)
{
    if (forward) {
        if (++cell.rx() >= view.colCount) {
            cell.rx() = view.fixedCols;
            if (++cell.ry() >= view.rowCount)
                cell.ry() = view.fixedRows;
        }
    } else if (--cell.rx() < view.fixedCols) {
        cell.rx() = view.colCount - 1;
        if (--cell.ry() < view.fixedRows)
            cell.ry() = view.rowCount - 1;
    }
    return cell;
}

std::optional<Move> plainMove(int key, QPoint cell, const View &view)
{
    Move move{cell, std::nullopt, std::nullopt};
    switch (key) {
    case Qt::Key_Left:
        --move.current.rx();
        break;
    case Qt::Key_Right:
        ++move.current.rx();
        break;
    case Qt::Key_Up:
        --move.current.ry();
        break;
    case Qt::Key_Down:
        ++move.current.ry();
        break;
    case Qt::Key_PageUp:
        move.current.ry() -= view.rowPage;
        move.topRow = view.topRow - view.rowPage;
        break;
    case Qt::Key_PageDown:
        move.current.ry() += view.rowPage;
        move.topRow = view.topRow + view.rowPage;
        break;
    case Qt::Key_Home:
        move.current.rx() = view.fixedCols;
        break;
    case Qt::Key_End:
        move.current.rx() = view.colCount - 1;
        break;
    case Qt::Key_Tab:
        move.current = tabMove(true, cell, view);
        break;
    case Qt::Key_Backtab:
        move.current = tabMove(false, cell, view);
        break;
    default:
        return std::nullopt;
    }
    return move;
}

} // namespace

std::optional<Move> GridNavigator::move(int key, Qt::KeyboardModifiers modifiers, QPoint current,
                                        const View &view)
{
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    std::optional<Move> move = (modifiers & Qt::ControlModifier) && !tab ? ctrlMove(key, current, view)
                                                                         : plainMove(key, current, view);
    if (!move)
        return std::nullopt;
    move->current.rx() = std::clamp(move->current.x(), view.fixedCols, view.colCount - 1);
    move->current.ry() = std::clamp(move->current.y(), view.fixedRows, view.rowCount - 1);
    move->extend = !tab && (modifiers & Qt::ShiftModifier);
    return move;
}
