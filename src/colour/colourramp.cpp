#include "colour/colourramp.h"

#include "colour/colourmodels.h"

namespace {

// a + (b - a) x k / n rounded half away from zero. The numerator
// a x (n - k) + b x k is never negative, so rounding up at one half is away
// from zero.
quint8 between(int a, int b, int k, int n)
{
    const int numerator = a * (n - k) + b * k;
    return quint8((2 * numerator + n) / (2 * n));
}

} // namespace

std::vector<Rgb> rgbRamp(Rgb first, Rgb last, int steps)
{
    Q_ASSERT(steps >= 1);
    std::vector<Rgb> ramp;
    for (int k = 1; k < steps; ++k)
        ramp.push_back({between(first.red, last.red, k, steps), between(first.green, last.green, k, steps),
                        between(first.blue, last.blue, k, steps)});
    return ramp;
}

std::vector<Rgb> hueRamp(Rgb first, Rgb last, int steps)
{
    Q_ASSERT(steps >= 1);
    Hsv from = toHsv(first);
    Hsv to = toHsv(last);
    if (from.saturation == 0)
        from.hue = to.hue;
    else if (to.saturation == 0)
        to.hue = from.hue;
    double turn = to.hue - from.hue;
    if (turn > 180)
        turn -= 360;
    else if (turn <= -180)
        turn += 360;
    std::vector<Rgb> ramp;
    for (int k = 1; k < steps; ++k) {
        const double t = double(k) / steps;
        ramp.push_back(fromHsv({from.hue + turn * t, from.saturation + (to.saturation - from.saturation) * t,
                                from.value + (to.value - from.value) * t}));
    }
    return ramp;
}
