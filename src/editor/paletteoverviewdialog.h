#pragma once

#include "colour/colourtable.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class SwatchField;

// What the overview shows of one entry: its four values, or nothing when
// one of its cells is not a number, and whether it differs from the file.
struct OverviewEntry {
    std::optional<std::array<quint8, ColourTable::kEntrySize>> bytes;
    bool differs = false;
};

// "Palette Overview": the 246 entries as swatches in entry order, 16 a
// row, growing with the dialog, the current entry outlined and the entries
// that differ from the file marked, and a line that counts them.
class PaletteOverviewDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPerRow = 16;
    static constexpr int kMinSwatch = 20;

    explicit PaletteOverviewDialog(QWidget *parent = nullptr);

    // Shows `entries` (246 of them) with `current` outlined (-1 for none).
    void setEntries(const std::vector<OverviewEntry> &entries, int current);

    // A click and a double-click on an entry's swatch.
    std::function<void(int entry)> onClicked;
    std::function<void(int entry)> onDoubleClicked;

    // The field of swatches and the centre of an entry's swatch in it.
    [[nodiscard]] QWidget *swatchField() const;
    [[nodiscard]] QPoint swatchCentre(int entry) const;
    [[nodiscard]] QString countLine() const;

private:
    SwatchField *field_;
    QLabel *count_;
};
