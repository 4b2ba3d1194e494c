#include "grid/input/keyboardcontroller.h"

#include "grid/input/editcontroller.h"
#include "grid/input/pancontroller.h"
#include "grid/model/gridmodel.h"
#include "grid/model/gridundo.h"
#include "grid/transfer/clipboardcontroller.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

bool KeyboardController::keyPressed(QKeyEvent *event, KeyMap::Focus focus)
{
    using Action = KeyMap::Action;
    if (pan_.stop()) {
        event->accept();
        return true;
    }
    const Action action = KeyMap::action(event->key(), event->modifiers(), event->text(), focus);
    if (action == Action::None) {
        event->ignore();
        return false;
    }
    event->accept();
    switch (action) {
    case Action::Restore:
        edit_.restore();
        break;
    case Action::OpenEditor:
        edit_.openEditor(false);
        break;
    case Action::OpenAtEnd:
        edit_.openEditor(true);
        break;
    case Action::Commit:
        edit_.commit();
        break;
    case Action::Navigate:
        navigate(*event);
        break;
    case Action::StartTyping:
        startTyping(*event);
        break;
    case Action::Copy:
        clipboard_.copy();
        break;
    case Action::Cut:
        clipboard_.cut();
        break;
    case Action::Paste:
        clipboard_.paste();
        break;
    case Action::Undo:
        undo_.undo();
        break;
    case Action::Redo:
        undo_.redo();
        break;
    case Action::ContextMenu:
        requestMenu();
        break;
    case Action::Swallow:
    case Action::None:
        break;
    }
    return true;
}

void KeyboardController::navigate(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const auto move =
        GridNavigator::move(event.key(), modifiers, model_.selection.current(), navigationView());
    if (!move)
        return;
    if (move->leftCol || move->topRow) {
        if (move->leftCol)
            model_.geometry.columns().setFirst(*move->leftCol);
        if (move->topRow)
            model_.geometry.rows().setFirst(*move->topRow);
        view_.viewScrolled();
    }
    if (move->current != model_.selection.current())
        edit_.moveCurrent(move->current, move->extend);
}

void KeyboardController::requestMenu()
{
    const QPoint cell = model_.selection.current();
    if (model_.geometry.scrollIntoView(cell))
        view_.viewScrolled();
    view_.contextMenuRequested(model_.geometry.cellRect(cell).center());
}

void KeyboardController::startTyping(const QKeyEvent &event)
{
    edit_.openEditor(false);
    // The editor gets the key itself; as its text is all selected, the
    // character replaces it.
    QKeyEvent copy(QEvent::KeyPress, event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                   event.count());
    QCoreApplication::sendEvent(&editor_, &copy);
}

GridNavigator::View KeyboardController::navigationView() const
{
    const GridAxis &cols = model_.geometry.columns();
    const GridAxis &rows = model_.geometry.rows();
    return {model_.cells.colCount(),
            model_.cells.rowCount(),
            cols.fixedCount(),
            rows.fixedCount(),
            cols.first(),
            rows.first(),
            cols.pageSize(),
            rows.pageSize(),
            rows.lastFullyVisible()};
}
