#pragma once

#include "colour/colourtable.h"

#include <QtGlobal>

#include <optional>
#include <vector>

// The colours read from a palette file, in file order: red, green and blue,
// and the fourth byte where the format keeps one. Only as many as the colour
// table holds are kept; a longer palette is counted but not stored.
class Palette {
public:
    struct Colour {
        quint8 red = 0;
        quint8 green = 0;
        quint8 blue = 0;
        std::optional<quint8> fourth;

        friend bool operator==(const Colour &, const Colour &) = default;
    };

    // Every entry of `table`, fourth bytes included.
    [[nodiscard]] static Palette fromTable(const ColourTable &table);

    void append(const Colour &colour);

    // The colours kept, at most one per table entry.
    [[nodiscard]] const std::vector<Colour> &colours() const { return colours_; }
    // How many colours the file held, those not kept included.
    [[nodiscard]] qsizetype fileCount() const { return fileCount_; }

    // Byte `k` of entry `entry` as the palette gives it; nothing where the
    // palette has no such colour or, for the fourth byte, keeps none.
    [[nodiscard]] std::optional<quint8> byte(int entry, int k) const;

private:
    std::vector<Colour> colours_;
    qsizetype fileCount_ = 0;
};
