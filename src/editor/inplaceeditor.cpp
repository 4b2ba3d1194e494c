#include "editor/inplaceeditor.h"

#include "editor/stringgrid.h"

#include <QKeyEvent>

InplaceEditor::InplaceEditor(StringGrid &grid, QWidget *parent) : QLineEdit(parent), grid_(&grid)
{
    setFrame(false);
    // Opaque, so that a caret blink does not repaint the grid beneath.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

bool InplaceEditor::isGridKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Insert:
        return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    default:
        return false;
    }
}

bool InplaceEditor::event(QEvent *event)
{
    // Tab and Shift+Tab move between cells instead of leaving the grid.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && grid_ != nullptr && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            grid_->editorKeyPressed(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InplaceEditor::keyPressEvent(QKeyEvent *event)
{
    if (grid_ != nullptr && isGridKey(*event)) {
        grid_->editorKeyPressed(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
    // Keys the text does not use stop here: the grid's window must not see
    // an Enter or Escape the line edit passed on.
    event->accept();
}

void InplaceEditor::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (grid_ != nullptr)
        grid_->editorFocusIn(event);
}

void InplaceEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (grid_ != nullptr)
        grid_->editorFocusOut(event);
}
