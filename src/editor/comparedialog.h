#pragma once

#include "colour/colourtable.h"
#include "colour/tablecomparison.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// "Compare": how many entries of this file's table and another file's
// differ, and a table of those entries, one row each, each side with a
// swatch and its four values, the differing ones in bold. "Take Selected"
// and "Take All" accept the dialog with the entries to take; "Close"
// rejects it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const ColourTable &ours, const ColourTable &theirs, QWidget *parent = nullptr);

    // The entries the user chose to take, in entry order.
    [[nodiscard]] const std::vector<int> &takenEntries() const { return taken_; }

private:
    void addRow(int row, const EntryDifference &difference);
    // The item under a side widget, with its values as text for assistive technology.
    [[nodiscard]] static QTableWidgetItem *sideItem(const ColourTable &table, int entry);
    [[nodiscard]] QWidget *side(const ColourTable &table, const EntryDifference &difference) const;
    void take(bool all);

    ColourTable ours_;
    ColourTable theirs_;
    std::vector<EntryDifference> differences_;
    std::vector<int> taken_;
    QTableWidget *rows_;
    QPushButton *takeSelected_;
};
