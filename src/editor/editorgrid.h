#pragma once

#include "colour/colourtable.h"
#include "grid/stringgrid.h"

#include <exception>
#include <vector>

// The editor's grid: one column per colour entry, rows for red, green, blue
// and the fourth byte, and a row of colour swatches. Its cell texts hold the
// document between a load and a save; the fixed cells show whether they
// differ from the file (the modified indicator).
class EditorGrid : public StringGrid {
    Q_OBJECT

public:
    static constexpr int kSwatchRow = 5;

    explicit EditorGrid(ColourTable &table, QWidget *parent = nullptr);

    // Writes the column headers "0" to "245" into the header row.
    void writeColumnHeaders();
    // Writes the colour table into the value cells as decimal texts, fits
    // the columns to their texts and repaints the swatches.
    void fillFromTable();
    // The value cells, columns 1 to 246 of rows 1 to 4.
    [[nodiscard]] static QRect valueCells();
    // Converts the value cells of column entry + 1 into that table entry
    // (low 8 bits of each); a text that is not an integer raises its error
    // and leaves the entry as it was.
    void toTable(int entry);

    // The text of the cell most recently taken into editing.
    [[nodiscard]] const QString &oldCellText() const;
    void setOldCellText(const QString &text);

    // The modified indicator: maroon fixed cells with silver text when on.
    void indicatorOn();
    void indicatorOff();
    [[nodiscard]] bool isIndicatorOn() const;

    // Repaints the swatches: empty value cells become "0", and a red, green
    // or blue text that is not an integer raises its conversion error.
    void colorthecell();

    // What assistive technology reads for a swatch: its colour as
    // "#rrggbb", or "invalid" while a red, green or blue text of its column
    // is not a number (an empty one counts as 0, as the swatch paints it).
    [[nodiscard]] QString swatchName(int col) const;

    // The grid's events.
    void StringGrid1DrawCell(int col, int row, const QRect &rect, DrawStates state);
    void StringGrid1GetEditText(int col, int row, QString &value);
    void StringGrid1CellValidate(int col, int row, QString &value, bool &valid);

protected:
    void paintPassFinished(QPainter &painter) override;

private:
    struct Swatches {
        std::vector<QColor> colours; // by column; invalid where a text is not an integer
        std::exception_ptr error;    // the first conversion error, in column order
    };

    void setFixedColours(const QColor &background, const QColor &text);
    [[nodiscard]] Swatches convertSwatches();
    void paintSwatch(QPainter &painter, int col, const QColor &colour);

    ColourTable &table_;
    QString oldCellText_;
    bool indicator_ = false;
    std::vector<int> pendingSwatches_;
};
