#include "colour/colourmodels.h"

#include <algorithm>
#include <cmath>

namespace {

struct Unit {
    double red;
    double green;
    double blue;
};

Unit unit(Rgb colour)
{
    return {colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0};
}

quint8 toByte(double fraction)
{
    return quint8(std::clamp(std::lround(fraction * 255.0), 0L, 255L));
}

// The hue of a colour whose largest component is `max` and smallest `min`.
double hueOf(const Unit &c, double max, double min)
{
    const double delta = max - min;
    if (delta == 0)
        return 0;
    double hue = 0;
    if (max == c.red)
        hue = (c.green - c.blue) / delta;
    else if (max == c.green)
        hue = (c.blue - c.red) / delta + 2;
    else
        hue = (c.red - c.green) / delta + 4;
    return normalizedHue(hue * 60);
}

// The colour of a hue with chroma `chroma`, each component raised by `m`.
Rgb fromChroma(double hue, double chroma, double m)
{
    const double sector = normalizedHue(hue) / 60;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    Unit c{};
    switch (int(sector)) {
    case 0:
        c = {chroma, x, 0};
        break;
    case 1:
        c = {x, chroma, 0};
        break;
    case 2:
        c = {0, chroma, x};
        break;
    case 3:
        c = {0, x, chroma};
        break;
    case 4:
        c = {x, 0, chroma};
        break;
    default:
        c = {chroma, 0, x};
        break;
    }
    return {toByte(c.red + m), toByte(c.green + m), toByte(c.blue + m)};
}

} // namespace

double normalizedHue(double degrees)
{
    double hue = std::fmod(degrees, 360.0);
    if (hue < 0)
        hue += 360;
    // A tiny negative remainder rounds up to 360 itself.
    return hue >= 360 ? 0 : hue;
}

Hsv toHsv(Rgb colour)
{
    const Unit c = unit(colour);
    const double max = std::max({c.red, c.green, c.blue});
    const double min = std::min({c.red, c.green, c.blue});
    return {hueOf(c, max, min), max == 0 ? 0 : (max - min) / max, max};
}

Hsl toHsl(Rgb colour)
{
    const Unit c = unit(colour);
    const double max = std::max({c.red, c.green, c.blue});
    const double min = std::min({c.red, c.green, c.blue});
    const double lightness = (max + min) / 2;
    const double delta = max - min;
    const double saturation = delta == 0 ? 0 : delta / (1 - std::fabs(2 * lightness - 1));
    return {hueOf(c, max, min), saturation, lightness};
}

Rgb fromHsv(const Hsv &colour)
{
    const double chroma = colour.value * colour.saturation;
    return fromChroma(colour.hue, chroma, colour.value - chroma);
}

Rgb fromHsl(const Hsl &colour)
{
    const double chroma = (1 - std::fabs(2 * colour.lightness - 1)) * colour.saturation;
    return fromChroma(colour.hue, chroma, colour.lightness - chroma / 2);
}
