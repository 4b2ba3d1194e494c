#pragma once

#include "colour/rgb.h"

#include <vector>

// Ramps between two colours that lie `steps` entries apart: the colours of
// the steps - 1 entries strictly between them, in order from `first`.
// `steps` is at least 1 (then there are none).

// Red, green and blue separately: first + (last - first) x k / steps for
// entry k, rounded to the nearest integer, halves away from zero.
[[nodiscard]] std::vector<Rgb> rgbRamp(Rgb first, Rgb last, int steps);

// In HSV: the hue along the shorter way round the circle (upwards when both
// ways are equal), saturation and value linearly. An end without a hue (a
// grey) takes the other end's hue.
[[nodiscard]] std::vector<Rgb> hueRamp(Rgb first, Rgb last, int steps);
