#include "colour/tablecomparison.h"

std::vector<EntryDifference> compareTables(const ColourTable &ours, const ColourTable &theirs)
{
    std::vector<EntryDifference> differences;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        EntryDifference difference{entry, {}};
        bool differs = false;
        for (int k = 0; k < ColourTable::kEntrySize; ++k) {
            difference.byteDiffers[std::size_t(k)] = ours.byte(entry, k) != theirs.byte(entry, k);
            differs = differs || difference.byteDiffers[std::size_t(k)];
        }
        if (differs)
            differences.push_back(difference);
    }
    return differences;
}
