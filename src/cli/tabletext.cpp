#include "cli/tabletext.h"

namespace {

QString hexColour(const ColourTable &table, int entry)
{
    QString hex = QStringLiteral("#");
    for (int k = 0; k < 3; ++k)
        hex += QStringLiteral("%1").arg(table.byte(entry, k), 2, 16, QLatin1Char('0'));
    return hex;
}

} // namespace

QString TableText::entryBytes(const ColourTable &table, int entry)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(table.byte(entry, 0))
        .arg(table.byte(entry, 1))
        .arg(table.byte(entry, 2))
        .arg(table.byte(entry, 3));
}

QString TableText::showLine(const ColourTable &table, int entry)
{
    return QString::number(entry) + u' ' + entryBytes(table, entry) + u' ' + hexColour(table, entry);
}

QString TableText::csvHeader()
{
    return QStringLiteral("entry,red,green,blue,fourth,hex");
}

QString TableText::csvLine(const ColourTable &table, int entry)
{
    return showLine(table, entry).replace(u' ', u',');
}

bool TableText::sameEntry(const ColourTable &a, const ColourTable &b, int entry)
{
    for (int k = 0; k < ColourTable::kEntrySize; ++k) {
        if (a.byte(entry, k) != b.byte(entry, k))
            return false;
    }
    return true;
}

int TableText::differingEntries(const ColourTable &a, const ColourTable &b)
{
    int differing = 0;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        differing += sameEntry(a, b, entry) ? 0 : 1;
    return differing;
}

QString TableText::diffLine(const ColourTable &a, const ColourTable &b, int entry)
{
    return QStringLiteral("%1: %2 -> %3").arg(entry).arg(entryBytes(a, entry), entryBytes(b, entry));
}

QString TableText::diffSummary(int differing)
{
    return QStringLiteral("%1 of %2 %3")
        .arg(differing)
        .arg(ColourTable::kEntryCount)
        .arg(differing == 1 ? QLatin1String("entries differs") : QLatin1String("entries differ"));
}

QString TableText::changedEntries(int changed, bool dryRun)
{
    return counted(changed, "entry", "entries") +
           (dryRun ? QLatin1String(" would change") : QLatin1String(" changed"));
}

QString TableText::applySummary(int changed, int unchanged, int failed, bool dryRun)
{
    return QStringLiteral("%1 %2, %3 unchanged, %4 failed")
        .arg(counted(changed, "file", "files"),
             dryRun ? QLatin1String("would change") : QLatin1String("changed"))
        .arg(unchanged)
        .arg(failed);
}

QString TableText::counted(int count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}
