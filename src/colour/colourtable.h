#pragma once

#include <QtGlobal>

#include <array>

// The colour table: 246 entries of red, green, blue and a fourth byte, in
// that order, 984 bytes in all. One table serves the whole program as the
// buffer between files and the grid.
class ColourTable {
public:
    static constexpr int kEntryCount = 246;
    static constexpr int kEntrySize = 4;
    static constexpr int kByteCount = kEntryCount * kEntrySize; // 984

    using Bytes = std::array<quint8, kByteCount>;

    [[nodiscard]] quint8 byte(int entry, int k) const { return bytes_[index(entry, k)]; }
    void setByte(int entry, int k, quint8 value) { bytes_[index(entry, k)] = value; }

    [[nodiscard]] const Bytes &bytes() const { return bytes_; }
    [[nodiscard]] Bytes &bytes() { return bytes_; }

    friend bool operator==(const ColourTable &, const ColourTable &) = default;

private:
    static int index(int entry, int k)
    {
        Q_ASSERT(entry >= 0 && entry < kEntryCount && k >= 0 && k < kEntrySize);
        return entry * kEntrySize + k;
    }

    Bytes bytes_{};
};
