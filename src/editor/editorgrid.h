#pragma once

#include "colour/colourtable.h"

#include <QAbstractScrollArea>

// The editor's grid: one column per colour entry, rows for red, green, blue
// and the fourth byte, and a row of colour swatches. Its cell texts hold the
// document between a load and a save; the fixed cells show whether they
// differ from the file (the modified indicator).
class EditorGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit EditorGrid(ColourTable &table, QWidget *parent = nullptr);

    // Writes the column headers "0" to "245" into the header row.
    void writeColumnHeaders();
    // Writes the colour table into the value cells as decimal texts, fits
    // the columns to their texts and repaints the swatches.
    void fillFromTable();
    // Converts the value cells of column entry + 1 into that table entry
    // (low 8 bits of each); a text that is not an integer raises its error.
    void toTable(int entry);

    [[nodiscard]] QString cellText(int col, int row) const;

    // The text of the cell most recently taken into editing.
    [[nodiscard]] const QString &oldCellText() const;
    void setOldCellText(const QString &text);

    // The modified indicator: maroon fixed cells with silver text when on.
    void indicatorOn();
    void indicatorOff();
    [[nodiscard]] bool isIndicatorOn() const;

private:
    ColourTable &table_;
    QString oldCellText_;
    bool indicator_ = false;
};
