#pragma once

#include "colour/rgb.h"

// A change of hue, saturation and lightness as the user gives it: degrees
// from -180 to 180, percentages from -100 to 100.
struct HslShift {
    int hue = 0;
    int saturation = 0;
    int lightness = 0;

    friend bool operator==(const HslShift &, const HslShift &) = default;
};

// The colour with its HSL hue turned by shift.hue (modulo 360), and its
// saturation and lightness each moved the given percentage of the way
// towards 1 (a positive value) or towards 0 (a negative one); the bytes
// rounded to the nearest integer. Percentages beyond 100 count as 100.
[[nodiscard]] Rgb adjustHsl(Rgb colour, const HslShift &shift);
