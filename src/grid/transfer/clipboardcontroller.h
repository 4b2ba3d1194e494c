#pragma once

class GridUndo;
struct GridModel;
class GridView;

// Copy, cut and paste of the selection while the grid itself has the focus.
// Transfers write the cells directly and raise none of the grid's events;
// only the validation check notices them afterwards.
class ClipboardController {
public:
    ClipboardController(GridModel &model, GridUndo &undo, GridView &view)
        : model_(model), undo_(undo), view_(view)
    {
    }

    // The selection's text, as plain text.
    void copy();
    // Copies, then empties the selected cells.
    void cut();
    // The clipboard's plain text from the selection's top-left cell on, then
    // smart filling; nothing when the clipboard holds no text.
    void paste();

private:
    GridModel &model_;
    GridUndo &undo_;
    GridView &view_;
};
