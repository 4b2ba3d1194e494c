#pragma once

#include "grid/view/gridscene.h"

#include <utility>

class QPainter;
class QRegion;

// One paint pass of the grid control: the cells that meet the region, then
// the grid lines and the empty rest of the client area. It reads the grid's
// state through the scene it is given and changes nothing but the painter.
class GridPainter {
public:
    explicit GridPainter(GridScene scene) : scene_(std::move(scene)) {}

    void paint(QPainter &painter, const QRegion &region) const;

    // The platform's focus rectangle: every other pixel of the border inverted.
    static void drawFocusRect(QPainter &painter, const QRect &rect);

private:
    void paintCell(QPainter &painter, QPoint cell, const QRect &rect) const;
    void paintText(QPainter &painter, const QString &text, const QRect &rect, bool fixed) const;
    void paintSelectionOutline(QPainter &painter, QPoint cell, QRect rect, QRect *focusRect) const;
    void paintGridLines(QPainter &painter) const;

    GridScene scene_;
};
