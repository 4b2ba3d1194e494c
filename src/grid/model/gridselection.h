#pragma once

#include <QPoint>
#include <QRect>

// The current cell, the anchor and the selection rectangle spanning them.
// The owner keeps both cells editable.
class GridSelection {
public:
    explicit GridSelection(QPoint current) : current_(current), anchor_(current) {}

    [[nodiscard]] QPoint current() const { return current_; }
    [[nodiscard]] QPoint anchor() const { return anchor_; }
    // Columns left..right and rows top..bottom, all inclusive.
    // (Not QRect::normalized(), which takes the two corners of a rectangle
    // stretched left or up as exclusive.)
    [[nodiscard]] QRect rect() const
    {
        return {QPoint(qMin(anchor_.x(), current_.x()), qMin(anchor_.y(), current_.y())),
                QPoint(qMax(anchor_.x(), current_.x()), qMax(anchor_.y(), current_.y()))};
    }
    [[nodiscard]] bool contains(QPoint cell) const { return rect().contains(cell); }

    // Makes `cell` current; with `extend` the anchor stays and the selection
    // stretches to the cell, otherwise it collapses to it.
    void moveTo(QPoint cell, bool extend)
    {
        current_ = cell;
        if (!extend)
            anchor_ = cell;
    }

private:
    QPoint current_;
    QPoint anchor_;
};
