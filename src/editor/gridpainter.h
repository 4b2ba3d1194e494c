#pragma once

#include "editor/stringgrid.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <utility>

class QPainter;
class QRegion;

// One paint pass of the grid control: the cells that meet the region, then
// the grid lines and the empty rest of the client area. It reads the grid's
// state through the scene it is given and changes nothing but the painter.
class GridPainter {
public:
    // What a pass reads from the grid. The references are read as the pass
    // goes (the OnDrawCell handler may change the grid between two cells);
    // the fonts and the focus are taken once when the pass starts.
    struct Scene {
        const GridGeometry &geometry;
        const CellStore &cells;
        const GridSelection &selection;
        const EditState &edit;
        const decltype(StringGrid::onDrawCell) &onDrawCell;
        const QPalette &palette; // the raised edges of the fixed cells
        const QColor &color;
        const QColor &fixedColor;
        const QColor &fontColor;
        const QColor &fixedFontColor;
        const QColor &selectionColor;
        const QColor &selectionTextColor;
        QFont font;      // the cell font, zoomed
        QFont fixedFont; // the fixed font, zoomed
        bool showsFocus; // the current cell shows the focus rectangle
    };

    explicit GridPainter(Scene scene) : scene_(std::move(scene)) {}

    void paint(QPainter &painter, const QRegion &region) const;

    // The platform's focus rectangle: every other pixel of the border inverted.
    static void drawFocusRect(QPainter &painter, const QRect &rect);

private:
    void paintCell(QPainter &painter, QPoint cell, const QRect &rect) const;
    void paintSelectionOutline(QPainter &painter, QPoint cell, QRect rect, QRect *focusRect) const;
    void paintGridLines(QPainter &painter) const;

    Scene scene_;
};
