#pragma once

#include <QFont>

// The font of the program's windows and grid: "MS Sans Serif" at 11 pixels.
// Where it is missing, Qt's font matching takes the nearest sans-serif at the
// same height.
[[nodiscard]] inline QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
