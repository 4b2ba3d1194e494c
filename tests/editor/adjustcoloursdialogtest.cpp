#include "editor/adjustcoloursdialog.h"
#include "support/testregistry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

// The "Adjust Colors" dialog as the user meets it: its fields, their
// ranges, the buttons, and every change told at once.
class AdjustColoursDialogTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsStartAtZeroWithTheirRanges()
    {
        AdjustColoursDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Adjust Colors"));
        QStringList fields;
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            const auto *spin = qobject_cast<const QSpinBox *>(label->buddy());
            QVERIFY(spin != nullptr);
            fields << QStringLiteral("%1 %2..%3 %4%5")
                          .arg(label->text())
                          .arg(spin->minimum())
                          .arg(spin->maximum())
                          .arg(spin->value())
                          .arg(spin->suffix());
        }
        QCOMPARE(fields, QStringList({QString::fromUtf8("&Hue: -180..180 0\u00b0"),
                                      "&Saturation: -100..100 0 %", "&Lightness: -100..100 0 %"}));
        QCOMPARE(dialog.shift(), HslShift{});

        const auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    void slidersAndSpinBoxesMoveTogether()
    {
        AdjustColoursDialog dialog;
        QSignalSpy changed(&dialog, &AdjustColoursDialog::shiftChanged);
        const QList<QSlider *> sliders = dialog.findChildren<QSlider *>();
        QCOMPARE(sliders.size(), 3);
        sliders[1]->setValue(-40);
        dialog.findChild<QSpinBox *>(QStringLiteral("hue"))->setValue(90);
        dialog.findChild<QSpinBox *>(QStringLiteral("lightness"))->setValue(200);
        QCOMPARE(dialog.shift(), (HslShift{90, -40, 100}));
        QCOMPARE(sliders[0]->value(), 90);
        QCOMPARE(sliders[2]->value(), 100);
        QCOMPARE(changed.count(), 3);
    }
};

DAVOVO_TEST(AdjustColoursDialogTest);
#include "adjustcoloursdialogtest.moc"
