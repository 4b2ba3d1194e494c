#pragma once

#include <QPoint>

#include <functional>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QWidget;
class GridUndo;
struct GridModel;
class GridView;

// Dragging the selection's text out of the grid, and dropping text (from
// this grid or another program) or one CSV file onto it. Drops write the
// cells directly and raise none of the grid's events.
class DragDropController {
public:
    DragDropController(GridModel &model, GridUndo &undo, GridView &view, QWidget &grid)
        : model_(model), undo_(undo), view_(view), grid_(grid)
    {
    }

    // Runs the platform's drag of the data to its end (QDrag by default).
    using DragRunner = std::function<void(QMimeData *data)>;
    void setDragRunner(DragRunner runner) { runner_ = std::move(runner); }

    // Runs a drag of the selection's text to its end; the grid stays as it is
    // whatever the target does with it.
    void startDrag();

    // Whether the data may be dropped at `pos`, and with which action:
    // copy while Ctrl is held, move otherwise.
    void dragMoved(QDragMoveEvent *event);
    void dropped(QDropEvent *event);

private:
    // The one CSV file of a file list; empty for any other list.
    [[nodiscard]] static QString csvFile(const QMimeData &data);
    [[nodiscard]] bool accepts(const QMimeData &data, QPoint pos) const;
    void loadCsv(const QString &path);

    GridModel &model_;
    GridUndo &undo_;
    GridView &view_;
    QWidget &grid_;
    DragRunner runner_;
};
