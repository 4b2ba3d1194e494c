#pragma once

#include "grid/input/gridnavigator.h"
#include "grid/input/keymap.h"

class ClipboardController;
class EditController;
class GridUndo;
class PanController;
class QKeyEvent;
class QWidget;
struct GridModel;
class GridView;

// The grid's keys, from the grid itself or passed on by its editor: Escape,
// Enter, F2, typing that starts an edit, the navigation keys, the
// clipboard keys, undo and redo, and the keys for the context menu.
class KeyboardController {
public:
    KeyboardController(GridModel &model, EditController &edit, ClipboardController &clipboard, GridUndo &undo,
                       PanController &pan, GridView &view, QWidget &editor)
        : model_(model), edit_(edit), clipboard_(clipboard), undo_(undo), pan_(pan), view_(view),
          editor_(editor)
    {
    }

    // Returns whether the key was the grid's (the event is accepted then).
    bool keyPressed(QKeyEvent *event, KeyMap::Focus focus);
    // Asks for the context menu at the current cell, scrolled into view.
    void requestMenu();

private:
    void navigate(const QKeyEvent &event);
    void startTyping(const QKeyEvent &event);
    [[nodiscard]] GridNavigator::View navigationView() const;

    GridModel &model_;
    EditController &edit_;
    ClipboardController &clipboard_;
    GridUndo &undo_;
    PanController &pan_;
    GridView &view_;
    QWidget &editor_;
};
