#pragma once

#include "colour/splpalfile.h"
#include "platform/gui/dialogs.h"

class EditorGrid;
class Palette;
class QWidget;

// The editor's commands that move the colour table between the grid and
// files: Save into the bound SPL/PAL file, and colour set export and import.
// Every one converts the whole grid before it touches a file, so a cell that
// is not a number leaves every file as it was.
class ColourCommands {
public:
    ColourCommands(EditorGrid &grid, ColourTable &table, SplPalFile &file);

    // Converts all 246 columns into the colour table; the first text that is
    // not an integer raises its error.
    void gridToTable();

    // Writes the grid's values into the bound file in place, then switches
    // the modified indicator off. A failure leaves the indicator on.
    void save();

    // Asks for a colour set or palette file and writes the grid's values
    // into it whole, in the format the name or the chosen type picks; a
    // cancel shows "Color Set not saved.".
    void exportColours(QWidget *owner);

    // Asks for a colour set or palette file and reads it into the colour
    // table; false (after "Color Set not read.") when the user cancels.
    // Entries and fourth bytes the file does not give keep the grid's
    // values. A failed read raises its error and leaves the table as it was.
    [[nodiscard]] bool importColours(QWidget *owner);

    [[nodiscard]] static FileDialogRequest exportDialog();
    [[nodiscard]] static FileDialogRequest importDialog();

private:
    // The palette's bytes, and the grid's where it gives none; a grid text
    // that is needed and not an integer raises its error.
    [[nodiscard]] ColourTable mergedWithGrid(const Palette &palette) const;

    EditorGrid &grid_;
    ColourTable &table_;
    SplPalFile &file_;
};
