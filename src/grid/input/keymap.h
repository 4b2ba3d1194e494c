#pragma once

#include <Qt>

class QString;

// Which action a key press stands for, from the key, its modifiers and
// whether the grid itself or its in-place editor has the focus.
class KeyMap {
public:
    enum class Focus { Grid, Editor };

    enum class Action {
        None,        // not the grid's key: left to the window
        Swallow,     // the grid's key with no effect (Delete, Insert)
        Restore,     // Escape: the current cell's text when it became current
        OpenEditor,  // Enter on the grid: the editor opens, its text all selected
        OpenAtEnd,   // F2: the editor opens, the caret after the last character
        Commit,      // Enter in the editor: validate, close when valid
        Navigate,    // a move of the current cell or the view
        StartTyping, // a printable key or Backspace on the grid: opens the editor, which takes the key
        Copy,        // Ctrl+C, Ctrl+Insert on the grid
        Cut,         // Ctrl+X, Shift+Delete on the grid
        Paste,       // Ctrl+V, Shift+Insert on the grid
        Undo,        // Ctrl+Z on the grid
        Redo,        // Ctrl+Y, Ctrl+Shift+Z on the grid
        ContextMenu, // Shift+F10: the context menu at the current cell
    };

    // `text` is the text the key produces.
    [[nodiscard]] static Action action(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                                       Focus focus);

    // Tab or Shift+Tab without Ctrl or Alt: it moves between cells rather
    // than to the window's next control.
    [[nodiscard]] static bool isCellTab(int key, Qt::KeyboardModifiers modifiers);

    // Whether the in-place editor hands the key to the grid instead of
    // using it on its own text.
    [[nodiscard]] static bool editorPassesOn(int key, Qt::KeyboardModifiers modifiers);
};
