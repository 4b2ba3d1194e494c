#pragma once

#include <QColor>
#include <QImage>

// The About box's picture of an icon: twice the icon's size plus 8 pixels
// each way, on button face, with the icon stretched over it, a black frame
// and a grey shadow of 6 pixels along the bottom and right edges.
[[nodiscard]] QImage aboutPicture(const QImage &icon, const QColor &buttonFace);
