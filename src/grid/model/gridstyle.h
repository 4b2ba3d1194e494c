#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include <algorithm>

// The grid's colours and fonts. Qt fonts carry no colour, so each font has
// its text colour beside it.
struct GridStyle {
    QColor color;          // editable cells and the empty client area
    QColor fixedColor;     // header cells
    QColor fontColor;      // text of editable cells
    QColor fixedFontColor; // text of header cells
    QColor selectionColor;
    QColor selectionTextColor;
    QFont font;
    QFont fixedFont;

    // The defaults: window colours from the palette, both fonts `font`.
    [[nodiscard]] static GridStyle fromPalette(const QPalette &palette, const QFont &font)
    {
        return {palette.color(QPalette::Base),
                palette.color(QPalette::Button),
                palette.color(QPalette::WindowText),
                palette.color(QPalette::WindowText),
                palette.color(QPalette::Highlight),
                palette.color(QPalette::HighlightedText),
                font,
                font};
    }

    // A change of the fixed font or its colour shows at once, before the
    // setter returns; other changes at the next paint.
    [[nodiscard]] bool fixedFontDiffers(const GridStyle &other) const
    {
        return fixedFont != other.fixedFont || fixedFontColor != other.fixedFontColor;
    }

    friend bool operator==(const GridStyle &, const GridStyle &) = default;
};

// Cells are drawn and measured at the font's size plus the zoom.
[[nodiscard]] inline QFont zoomedFont(const QFont &font, int zoom)
{
    if (zoom == 0)
        return font;
    QFont result = font;
    if (font.pixelSize() > 0)
        result.setPixelSize(std::max(1, font.pixelSize() + zoom));
    else
        result.setPointSizeF(std::max(1.0, font.pointSizeF() + zoom));
    return result;
}
