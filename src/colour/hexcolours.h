#pragma once

#include "colour/rgb.h"

#include <QString>
#include <QStringView>

#include <vector>

// Colours as text in hex codes, the way web palette sites, ".hex" palette
// files and JSON lists of strings carry them.

// The colours in `text`, in order. The text is split at line breaks,
// blanks, tabs, commas and semicolons; quotes and square brackets around a
// token are ignored, and a token that is nothing else is skipped. Every
// other token is six hex digits in either case after an optional "#" or
// "0x"; one that is not raises EConvertError "'%s' is not a hex color" with
// the token (long ones cut) and no colour is returned.
[[nodiscard]] std::vector<Rgb> readHexColours(QStringView text);

// One line per colour: "rrggbb" in lower case and a line feed.
[[nodiscard]] QString hexLines(const std::vector<Rgb> &colours);
