#pragma once

#include "colour/paletteformat.h"

#include <QString>

#include <optional>

// The palette formats by the names the command line gives them: "clr",
// "gpl", "jasc", "riff" and "act" for `--format`, and a description for
// messages and the help text.
class FormatNames {
public:
    // The format an option value names, or nothing.
    [[nodiscard]] static std::optional<PaletteKind> fromOption(const QString &name);
    // "clr|gpl|jasc|riff|act"
    [[nodiscard]] static QString optionList();
    // "a JASC palette"; a format added later without a name here is "a palette".
    [[nodiscard]] static QString describe(PaletteKind kind);
    // One line per format for the help text: its option name, extension and
    // description.
    [[nodiscard]] static QString helpLines();
};
