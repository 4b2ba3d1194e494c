#pragma once

#include <QRect>
#include <QString>

class QWidget;

// What a field of painted swatches tells assistive technology: how many
// there are, each one's name and place, and a press on one.
class SwatchSource {
public:
    [[nodiscard]] virtual QWidget &swatchWidget() const = 0;
    [[nodiscard]] virtual int swatchCount() const = 0;
    [[nodiscard]] virtual QString swatchName(int index) const = 0;
    // In the widget's own pixels.
    [[nodiscard]] virtual QRect swatchArea(int index) const = 0;
    // What a click on the swatch does.
    virtual void pressSwatch(int index) = 0;

protected:
    ~SwatchSource() = default;
};
