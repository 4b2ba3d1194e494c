#include "editor/colourcommands.h"

#include "colour/colourset.h"
#include "editor/editorgrid.h"

namespace {
std::vector<FileFilter> colourSetFilters()
{
    return {{QStringLiteral("Color Set Files"), {QStringLiteral("*.clr")}},
            {QStringLiteral("All Files"), {QStringLiteral("*")}}};
}
} // namespace

ColourCommands::ColourCommands(EditorGrid &grid, ColourTable &table, SplPalFile &file)
    : grid_(grid), table_(table), file_(file)
{
}

void ColourCommands::gridToTable()
{
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        grid_.toTable(entry);
}

void ColourCommands::save()
{
    gridToTable();
    file_.write(table_);
    // Only a save that reached the disk clears the indicator.
    grid_.indicatorOff();
}

FileDialogRequest ColourCommands::exportDialog()
{
    return {QStringLiteral("Export Color Set"), colourSetFilters(), QStringLiteral("clr"), QString()};
}

FileDialogRequest ColourCommands::importDialog()
{
    return {QStringLiteral("Import Color Set"), colourSetFilters(), QString(), QString()};
}

void ColourCommands::exportColours(QWidget *owner)
{
    const std::optional<QString> path = dialogs().saveFileName(owner, exportDialog());
    if (!path) {
        dialogs().showInformation(QStringLiteral("Color Set not saved."));
        return;
    }
    gridToTable();
    writeColourSet(*path, table_);
}

bool ColourCommands::importColours(QWidget *owner)
{
    const std::optional<QString> path = dialogs().openFileName(owner, importDialog());
    if (!path) {
        dialogs().showInformation(QStringLiteral("Color Set not read."));
        return false;
    }
    table_ = readColourSet(*path);
    return true;
}
