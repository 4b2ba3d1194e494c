#pragma once

#include <QtGlobal>

// One colour as the colour table keeps it: red, green and blue, 0 to 255.
struct Rgb {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};
