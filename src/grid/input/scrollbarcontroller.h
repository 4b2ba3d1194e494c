#pragma once

#include <Qt>

class GridAxis;
class QScrollBar;
struct GridModel;

// The grid's proportional scroll bars: each runs over 0 .. 127 with a thumb
// as large as the share of the axis shown. The arrows and page clicks move
// by one column (row) and one page; a dragged thumb scrolls to the mapped
// position.
class ScrollBarController {
public:
    ScrollBarController(GridModel &model, QScrollBar &horizontal, QScrollBar &vertical)
        : model_(model), horizontal_(horizontal), vertical_(vertical)
    {
    }

    // Shows the axes' scroll positions.
    void sync();
    // An arrow, page or end action on a bar, before its value changes;
    // returns whether the view scrolled. The bar's value is then already
    // the view's, so valueChanged() finds nothing left to do.
    [[nodiscard]] bool actionTriggered(Qt::Orientation orientation, int action);
    // A bar's value changed; returns whether the view scrolled.
    bool valueChanged();

private:
    void sync(const GridAxis &axis, QScrollBar &bar);

    GridModel &model_;
    QScrollBar &horizontal_;
    QScrollBar &vertical_;
    bool syncing_ = false;
};
