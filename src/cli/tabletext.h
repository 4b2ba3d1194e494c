#pragma once

#include "colour/colourtable.h"

#include <QString>

// The lines the tool prints, without their line breaks.
class TableText {
public:
    // "N R G B F #rrggbb": the entry's number from 0, its four bytes in
    // decimal, its colour in lower-case hexadecimal.
    [[nodiscard]] static QString showLine(const ColourTable &table, int entry);
    // The same fields separated by commas, under `csvHeader()`.
    [[nodiscard]] static QString csvHeader();
    [[nodiscard]] static QString csvLine(const ColourTable &table, int entry);

    [[nodiscard]] static bool sameEntry(const ColourTable &a, const ColourTable &b, int entry);
    // How many entries differ in any byte.
    [[nodiscard]] static int differingEntries(const ColourTable &a, const ColourTable &b);
    // "N: R G B F -> R G B F"
    [[nodiscard]] static QString diffLine(const ColourTable &a, const ColourTable &b, int entry);
    // "N of 246 entries differ"
    [[nodiscard]] static QString diffSummary(int differing);

    // "N entries changed", or "N entries would change" for a dry run.
    [[nodiscard]] static QString changedEntries(int changed, bool dryRun);
    // "N files changed, N unchanged, N failed"; "would change" for a dry run.
    [[nodiscard]] static QString applySummary(int changed, int unchanged, int failed, bool dryRun);

private:
    // "1 entry", "2 entries"
    [[nodiscard]] static QString counted(int count, const char *one, const char *many);
    [[nodiscard]] static QString entryBytes(const ColourTable &table, int entry);
};
