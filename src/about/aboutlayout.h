#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The About box's arithmetic, laid out for 96 pixels per inch and not
// scaled with the display's resolution.
namespace AboutGeometry {
inline constexpr int outerWidth = 440;
inline constexpr QRect picture{15, 7, 105, 105};
inline constexpr int columnLeft = 15 + 105 + 8; // left of the text column
inline constexpr int systemColumnWidth = 150;
inline constexpr QSize button{75, 25};
} // namespace AboutGeometry

// Heights of the labels as they wrapped at their width (text height plus
// 2); 0 for a label without text.
struct AboutLabelHeights {
    int title = 0;
    int version = 0;
    int description = 0;
    int copyright = 0;
    int captions = 0;
    int values = 0;
};

// Where everything goes; an empty rectangle for a label that is not placed.
struct AboutLayout {
    QRect title, version, description, copyright;
    QRect separator;
    QRect captions, values;
    QRect ok, second;
    int clientHeight = 0;
};

// The width the text column's labels wrap at.
[[nodiscard]] int aboutColumnWidth(int clientWidth);

// The box's layout from its client width and its labels' heights.
// `emailGiven` narrows the hidden web-address line's advance.
[[nodiscard]] AboutLayout layOutAboutBox(int clientWidth, const AboutLabelHeights &heights, bool emailGiven);

// The left-top of a window of outer size `window` centred on a screen of
// size `screen`, moved back onto it where it would reach past an edge.
[[nodiscard]] QPoint aboutBoxPosition(QSize window, QSize screen);
