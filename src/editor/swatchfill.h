#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

// Fills a swatch with its colour, or, for an invalid colour (a cell that is
// not a number), with the mark the grid and the overview share: white with
// a red cross.
void fillSwatch(QPainter &painter, const QRect &rect, const QColor &colour);

// How a swatch reads in words, in its tooltip and to assistive technology:
// "R G B, fourth F, #rrggbb".
[[nodiscard]] QString swatchWords(int red, int green, int blue, int fourth);
