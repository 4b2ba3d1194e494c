#pragma once

#include <Qt>

class EditController;
class GridAxis;
class QWidget;
class ScrollBarController;
struct GridModel;

// Keeps the layout in step after sizes, counts, the zoom, the scroll
// position or the viewport change: the client size, the scroll bars, the
// editor's place and font, and the repaint.
class LayoutController {
public:
    LayoutController(GridModel &model, EditController &edit, ScrollBarController &scrollBars,
                     QWidget &viewport, QWidget &editor)
        : model_(model), edit_(edit), scrollBars_(scrollBars), viewport_(viewport), editor_(editor)
    {
    }

    // The viewport's size, the scroll bars and the editor's place.
    void sync();
    // Cells first .. end - 1 of the axis get `size`.
    void setSizes(GridAxis &axis, int first, int end, int size);
    // The axes grow to the cells' counts; new cells take the last one's size.
    void countsChanged();
    void zoomChanged();
    void viewScrolled();
    // Scrolls the axis so that `first` is its first scrolling cell shown.
    void scrollTo(GridAxis &axis, int first);
    // An arrow, page or end action on a scroll bar.
    void barActionTriggered(Qt::Orientation orientation, int action);
    // A scroll bar's value changed.
    void barMoved();
    // Fits every column (the fixed ones too when asked) to its widest text
    // line plus the width of "xx" plus the margin.
    void autoSize(bool includeFixed, int margin);

private:
    void relayout();

    GridModel &model_;
    EditController &edit_;
    ScrollBarController &scrollBars_;
    QWidget &viewport_;
    QWidget &editor_;
};
