#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

class SwatchSource;

// A field of painted swatches for assistive technology: a group of buttons,
// one per swatch, made when first asked for and kept until the field goes.
class SwatchFieldAccessible : public QAccessibleWidget {
public:
    explicit SwatchFieldAccessible(SwatchSource &source);
    ~SwatchFieldAccessible() override;

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;

private:
    SwatchSource &source_;
    mutable QList<QAccessible::Id> ids_;
};
