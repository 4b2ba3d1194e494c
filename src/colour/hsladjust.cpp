#include "colour/hsladjust.h"

#include "colour/colourmodels.h"

#include <algorithm>

namespace {

double moved(double fraction, int percent)
{
    const double part = std::clamp(percent, -100, 100) / 100.0;
    return part >= 0 ? fraction + (1 - fraction) * part : fraction + fraction * part;
}

} // namespace

Rgb adjustHsl(Rgb colour, const HslShift &shift)
{
    const Hsl hsl = toHsl(colour);
    return fromHsl({normalizedHue(hsl.hue + shift.hue), moved(hsl.saturation, shift.saturation),
                    moved(hsl.lightness, shift.lightness)});
}
