#pragma once

#include "colour/colourtable.h"

#include <array>
#include <vector>

// One entry in which two colour tables differ, and which of its bytes (red,
// green, blue, fourth) do.
struct EntryDifference {
    int entry = 0;
    std::array<bool, ColourTable::kEntrySize> byteDiffers{};
    friend bool operator==(const EntryDifference &, const EntryDifference &) = default;
};

// The entries in which `ours` and `theirs` differ, in entry order.
[[nodiscard]] std::vector<EntryDifference> compareTables(const ColourTable &ours, const ColourTable &theirs);
