#include "colour/palette.h"

Palette Palette::fromTable(const ColourTable &table)
{
    Palette palette;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        palette.append(
            {table.byte(entry, 0), table.byte(entry, 1), table.byte(entry, 2), table.byte(entry, 3)});
    return palette;
}

void Palette::append(const Colour &colour)
{
    ++fileCount_;
    if (colours_.size() < std::size_t(ColourTable::kEntryCount))
        colours_.push_back(colour);
}

std::optional<quint8> Palette::byte(int entry, int k) const
{
    if (entry < 0 || std::size_t(entry) >= colours_.size())
        return std::nullopt;
    const Colour &colour = colours_[std::size_t(entry)];
    switch (k) {
    case 0:
        return colour.red;
    case 1:
        return colour.green;
    case 2:
        return colour.blue;
    default:
        return colour.fourth;
    }
}

ColourTable Palette::merged(const std::function<quint8(int entry, int k)> &kept) const
{
    ColourTable table;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        for (int k = 0; k < ColourTable::kEntrySize; ++k) {
            const std::optional<quint8> value = byte(entry, k);
            table.setByte(entry, k, value ? *value : kept(entry, k));
        }
    }
    return table;
}

ColourTable Palette::appliedTo(const ColourTable &table) const
{
    return merged([&](int entry, int k) { return table.byte(entry, k); });
}
