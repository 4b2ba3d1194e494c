#pragma once

#include "colour/colourtable.h"

#include <QtGlobal>

#include <functional>
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

    // The table the palette makes of another: its own bytes, and `kept(entry,
    // k)` where it gives none (entries past its end, and the fourth bytes of
    // formats without them).
    [[nodiscard]] ColourTable merged(const std::function<quint8(int entry, int k)> &kept) const;
    // The same over the bytes of `table`.
    [[nodiscard]] ColourTable appliedTo(const ColourTable &table) const;

private:
    std::vector<Colour> colours_;
    qsizetype fileCount_ = 0;
};
