#pragma once

#include "colour/hsladjust.h"

#include <QDialog>

class QGridLayout;
class QSpinBox;

// "Adjust Colors": hue (degrees), saturation and lightness (percent), each
// a spin box with a slider, all 0 at first, and "OK" (the default button)
// and "Cancel". It tells every change of the values at once, so the grid
// can show the result while the user chooses.
class AdjustColoursDialog : public QDialog {
    Q_OBJECT

public:
    explicit AdjustColoursDialog(QWidget *parent = nullptr);

    [[nodiscard]] HslShift shift() const;

signals:
    void shiftChanged();

private:
    QSpinBox *addRow(QGridLayout &layout, const QString &label, int limit, const QString &suffix,
                     const QString &name);

    QSpinBox *hue_;
    QSpinBox *saturation_;
    QSpinBox *lightness_;
};
