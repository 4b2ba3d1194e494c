#include "editor/colourcommands.h"

#include "colour/palettefile.h"
#include "editor/editorgrid.h"
#include "platform/core/intconvert.h"

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
    return {QStringLiteral("Export Color Set"), PaletteFormat::dialogFilters(), QStringLiteral("clr"),
            QString()};
}

FileDialogRequest ColourCommands::importDialog()
{
    return {QStringLiteral("Import Color Set"), PaletteFormat::dialogFilters(), QString(), QString()};
}

void ColourCommands::exportColours(QWidget *owner)
{
    const std::optional<ChosenFile> chosen = dialogs().saveFileName(owner, exportDialog());
    if (!chosen) {
        dialogs().showInformation(QStringLiteral("Color Set not saved."));
        return;
    }
    gridToTable();
    writePalette(chosen->path, table_, PaletteFormat::forExport(chosen->path, chosen->filter));
}

bool ColourCommands::importColours(QWidget *owner)
{
    const std::optional<QString> path = dialogs().openFileName(owner, importDialog());
    if (!path) {
        dialogs().showInformation(QStringLiteral("Color Set not read."));
        return false;
    }
    const Palette palette = readPalette(*path);
    table_ = mergedWithGrid(palette);
    return true;
}

ColourTable ColourCommands::mergedWithGrid(const Palette &palette) const
{
    // Only the cells the palette leaves are converted, so a text it replaces
    // need not be a number.
    return palette.merged(
        [&](int entry, int k) { return quint8(strToInt(grid_.cell(entry + 1, k + 1))); });
}
