#pragma once

#include "colour/rgb.h"

// Hue, saturation and value / lightness of a colour, in floating point so
// that a conversion there and back gives the same bytes. Hue is in degrees
// from 0 up to 360; the others run from 0 to 1. A grey (red = green = blue,
// black and white included) has saturation 0 and hue 0: it has no hue.
struct Hsv {
    double hue = 0;
    double saturation = 0;
    double value = 0;
};

struct Hsl {
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
};

[[nodiscard]] Hsv toHsv(Rgb colour);
[[nodiscard]] Hsl toHsl(Rgb colour);
// Back to bytes, each rounded to the nearest integer (halves away from
// zero). A hue outside 0 to 360 is taken modulo 360.
[[nodiscard]] Rgb fromHsv(const Hsv &colour);
[[nodiscard]] Rgb fromHsl(const Hsl &colour);

// `degrees` brought into 0 up to 360.
[[nodiscard]] double normalizedHue(double degrees);
