#pragma once

#include "colour/rgb.h"

#include "colour/colourtable.h"

#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <vector>

class EditorGrid;
class PaletteOverviewDialog;
class QTimer;
class QWidget;

// The colour tools of the grid's context menu: a colour picked for one
// entry, ramps between two entries, a change of hue, saturation and
// lightness, and colours copied and pasted as hex codes. Each reads the red,
// green and blue cells it needs through the integer conversion first (a
// cell that is not a number raises its error and nothing changes), writes
// decimal texts as one undo step, leaves the fourth byte alone and turns the
// modified indicator on. None of them touches the file.
//
// Besides, the palette overview shows all entries at once and which differ
// from the file as last read or saved, following the grid; Compare With
// shows how another file's table differs and takes its entries.
class ColourTools {
public:
    enum class Command {
        PickColor,
        Ramp,
        RampByHue,
        AdjustColors,
        PaletteOverview,
        CompareWith,
        CopyAsHex,
        PasteHex
    };

    // `fileOpen` tells whether a file has been opened.
    ColourTools(EditorGrid &grid, std::function<bool()> fileOpen);
    ~ColourTools();
    ColourTools(const ColourTools &) = delete;
    ColourTools &operator=(const ColourTools &) = delete;

    // The file at `path` was read or saved with `table`: the overview's
    // reference and the folder Compare With starts in.
    void fileReadOrSaved(const QString &path, const ColourTable &table);

    // Whether the command can run now; a command run when it cannot does
    // nothing.
    [[nodiscard]] bool isEnabled(Command command) const;
    // Runs the command; its dialogs and boxes open over `owner`.
    void run(Command command, QWidget *owner);

private:
    // The entries (columns 1 to 246) that the selection's columns cover.
    struct Entries {
        int first = 0;
        int last = -1;
        [[nodiscard]] int count() const { return last - first + 1; }
    };
    [[nodiscard]] Entries selectedEntries() const;

    void pickColour(QWidget *owner);
    void ramp(bool byHue);
    void adjustColours(QWidget *owner);
    // Puts the dialog just below the current column's swatch.
    void placeBelowSwatches(QWidget &dialog) const;
    void copyAsHex();
    void pasteHex();
    void paletteOverview(QWidget *owner);
    void refreshOverview();
    [[nodiscard]] QString settledText(int col, int row) const;
    void overviewClicked(int entry, bool twice);
    void compareWith(QWidget *owner);

    // The colours of the entries, converted in column order.
    [[nodiscard]] std::vector<Rgb> colours(Entries entries) const;
    // Writes the colours from `firstEntry` on as decimal texts, one undo
    // step, and turns the indicator on.
    void change(int firstEntry, const std::vector<Rgb> &colours);
    void write(int firstEntry, const std::vector<Rgb> &colours);
    [[nodiscard]] QStringList texts(const QRect &cells) const;
    void setTexts(const QRect &cells, const QStringList &texts);
    void repaintSwatches();
    // All four values of every entry, converted as Save converts them.
    [[nodiscard]] ColourTable gridTable() const;

    EditorGrid &grid_;
    std::function<bool()> fileOpen_;
    ColourTable reference_;
    QString folder_;
    // Made the first time it is asked for; the owner's child.
    QPointer<PaletteOverviewDialog> overview_;
    QTimer *refresh_ = nullptr;
};
