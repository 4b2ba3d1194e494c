#include "platform/gui/windowfont.h"
#include "support/testregistry.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

// The font that stands in for "MS Sans Serif" fits the places laid out for it.
class WindowFontTest : public QObject {
    Q_OBJECT

private slots:
    void locationFitsItsHeaderCell()
    {
        // As the grid draws it: a 45-pixel cell whose text stands 2 pixels
        // in from either side.
        QFont font = windowFont();
        font.setStyleStrategy(QFont::NoAntialias);
        const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Location"));
        QVERIFY2(width <= 45 - 2 * 2,
                 qPrintable(QStringLiteral("%1 pixels in %2").arg(width).arg(QFontInfo(font).family())));
    }
};

DAVOVO_TEST(WindowFontTest);
#include "windowfonttest.moc"
