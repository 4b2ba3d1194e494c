#include "editor/adjustcoloursdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kSliderWidth = 220;

} // namespace

AdjustColoursDialog::AdjustColoursDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Adjust Colors"));
    auto *fields = new QGridLayout;
    hue_ = addRow(*fields, QStringLiteral("&Hue:"), 180, QStringLiteral("\u00b0"), QStringLiteral("hue"));
    saturation_ = addRow(*fields, QStringLiteral("&Saturation:"), 100, QStringLiteral(" %"),
                         QStringLiteral("saturation"));
    lightness_ = addRow(*fields, QStringLiteral("&Lightness:"), 100, QStringLiteral(" %"),
                        QStringLiteral("lightness"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QSpinBox *AdjustColoursDialog::addRow(QGridLayout &layout, const QString &label, int limit,
                                      const QString &suffix, const QString &name)
{
    // Rows from the top, in the order they are added.
    const int row = layout.count() / 3;
    auto *spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(-limit, limit);
    spin->setSuffix(suffix);
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(-limit, limit);
    slider->setMinimumWidth(kSliderWidth);
    // The label names the spin box, its buddy; the slider needs its own name.
    slider->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    auto *text = new QLabel(label);
    text->setBuddy(spin);
    layout.addWidget(text, row, 0);
    layout.addWidget(slider, row, 1);
    layout.addWidget(spin, row, 2);
    // The spin box holds the value; the slider follows it and moves it.
    connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
    connect(spin, &QSpinBox::valueChanged, this, [this, slider](int value) {
        slider->setValue(value);
        emit shiftChanged();
    });
    return spin;
}

HslShift AdjustColoursDialog::shift() const
{
    return {hue_->value(), saturation_->value(), lightness_->value()};
}
