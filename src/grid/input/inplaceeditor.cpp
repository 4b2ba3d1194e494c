#include "grid/input/inplaceeditor.h"

#include "grid/input/editorhost.h"
#include "grid/input/keymap.h"

#include <QKeyEvent>

InplaceEditor::InplaceEditor(EditorHost &host, QWidget *parent) : QLineEdit(parent), host_(&host)
{
    setFrame(false);
    // Opaque, so that a caret blink does not repaint the grid beneath.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

bool InplaceEditor::event(QEvent *event)
{
    // Tab and Shift+Tab reach keyPressEvent instead of moving the focus on.
    if (event->type() == QEvent::KeyPress && host_ != nullptr) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (KeyMap::isCellTab(key->key(), key->modifiers())) {
            host_->editorKeyPressed(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InplaceEditor::keyPressEvent(QKeyEvent *event)
{
    if (host_ != nullptr && KeyMap::editorPassesOn(event->key(), event->modifiers())) {
        host_->editorKeyPressed(event);
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
    if (host_ != nullptr)
        host_->editorFocusIn(event);
}

void InplaceEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (host_ != nullptr)
        host_->editorFocusOut(event);
}

void InplaceEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // Ignored, the event goes on to the grid beneath.
    if (host_ != nullptr && event->reason() != QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}
