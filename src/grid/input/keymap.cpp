#include "grid/input/keymap.h"

#include <QString>

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isNavigationKey(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyMap::isCellTab(key, modifiers);
    default:
        return false;
    }
}

// Shift+F10 asks for the context menu. (The Menu key reaches the grid as a
// context menu event from the platform, not as a key of its own.)
bool isMenuKey(int key, Qt::KeyboardModifiers modifiers)
{
    return key == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
}

// The clipboard and undo keys of the grid itself; in the editor they act on
// its text.
KeyMap::Action clipboardAction(int key, Qt::KeyboardModifiers modifiers)
{
    using Action = KeyMap::Action;
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_C:
        case Qt::Key_Insert:
            return Action::Copy;
        case Qt::Key_X:
            return Action::Cut;
        case Qt::Key_V:
            return Action::Paste;
        case Qt::Key_Z:
            return Action::Undo;
        case Qt::Key_Y:
            return Action::Redo;
        default:
            return Action::None;
        }
    }
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z)
        return Action::Redo;
    if (modifiers == Qt::ShiftModifier && key == Qt::Key_Delete)
        return Action::Cut;
    if (modifiers == Qt::ShiftModifier && key == Qt::Key_Insert)
        return Action::Paste;
    return Action::None;
}

} // namespace

KeyMap::Action KeyMap::action(int key, Qt::KeyboardModifiers modifiers, const QString &text, Focus focus)
{
    modifiers &= ~Qt::KeypadModifier;
    if (isMenuKey(key, modifiers))
        return Action::ContextMenu;
    if (focus == Focus::Grid) {
        if (const Action clipboard = clipboardAction(key, modifiers); clipboard != Action::None)
            return clipboard;
    }
    switch (key) {
    case Qt::Key_Escape:
        return Action::Restore;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return focus == Focus::Grid ? Action::OpenEditor : Action::Commit;
    case Qt::Key_F2:
        return Action::OpenAtEnd;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        // Row deletion and insertion are off.
        return Action::Swallow;
    default:
        break;
    }
    if (isNavigationKey(key, modifiers))
        return Action::Navigate;
    if (focus == Focus::Editor)
        return Action::None;
    if (key == Qt::Key_Backspace)
        return Action::StartTyping;
    if (modifiers & kCommandModifiers)
        return Action::None;
    return !text.isEmpty() && text[0].isPrint() ? Action::StartTyping : Action::None;
}

bool KeyMap::editorPassesOn(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Insert:
        return modifiers == Qt::NoModifier;
    case Qt::Key_F10:
        return isMenuKey(key, modifiers);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyMap::isCellTab(key, modifiers);
    default:
        return false;
    }
}

bool KeyMap::isCellTab(int key, Qt::KeyboardModifiers modifiers)
{
    return (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
           !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
}
