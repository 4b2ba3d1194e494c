#include "about/aboutbox.h"
#include "about/aboutlabel.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The bounding box of the pixels of `image` that `matches` picks.
template <class F> QRect inkWhere(const QImage &image, F &&matches)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect inkOf(const QImage &image, const QColor &colour)
{
    return inkWhere(image, [&](const QColor &c) { return c == colour; });
}

// The width of the text in a grab of `label`.
int inkWidth(AboutLabel &label)
{
    const QImage image = label.grab().toImage();
    const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
    return inkWhere(image, [&](const QColor &c) { return c != background; }).width();
}

AboutContent content()
{
    return {QStringLiteral("About ZOD/IRI Zozevo"),
            {QStringLiteral("VIR/IDI Dere Davovo"), QStringLiteral("Version: 30SEP01"),
             QStringLiteral("A fine little tool."), QString()},
            {QStringLiteral("Available Memory:\rPlatform, CPU:"),
             QStringLiteral("1 KB\r2x Intel Pentium or compatible")},
            QImage(72, 72, QImage::Format_RGB32),
            22,
            false};
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    // Wrapped text plus 2; "\r" breaks the line.
    void labelIsAsTallAsItsWrappedText()
    {
        AboutLabel label(QStringLiteral("one two three"));
        const int line = label.heightForWidth(1000) - 2;
        QVERIFY(line > 0);
        QCOMPARE(label.heightForWidth(1), 3 * line + 2);
        QCOMPARE(AboutLabel(QStringLiteral("one\rtwo")).heightForWidth(1000), 2 * line + 2);
        QCOMPARE(AboutLabel(QString()).heightForWidth(1000), 0);
    }

    // The highlight one pixel right of and below the text, the text over it.
    void sunkenText()
    {
        AboutLabel label(QStringLiteral("I"));
        QFont font = label.font();
        font.setPixelSize(30);
        font.setStyleStrategy(QFont::NoAntialias);
        label.setFont(font);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Light, Qt::red);
        label.setPalette(palette);
        label.setSunken(true);
        label.resize(60, label.heightForWidth(60));
        const QImage image = label.grab().toImage();
        const QRect text = inkOf(image, Qt::black);
        QVERIFY(text.width() > 1);
        QCOMPARE(inkOf(image, Qt::red), text.translated(1, 1));
    }

    // "&&" would be one "&" if the label took mnemonics.
    void labelShowsAmpersands()
    {
        AboutLabel one(QStringLiteral("&"));
        AboutLabel two(QStringLiteral("&&"));
        for (AboutLabel *label : {&one, &two})
            label->resize(100, label->heightForWidth(100));
        QVERIFY(inkWidth(one) > 0);
        QVERIFY(inkWidth(two) > inkWidth(one) * 3 / 2);
    }

    void boxIsBuiltAsDesigned()
    {
        AboutBox box(content(), QMargins(3, 20, 3, 3));
        QCOMPARE(box.windowTitle(), QStringLiteral("About ZOD/IRI Zozevo"));
        QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(box.windowFlags() & (Qt::WindowContextHelpButtonHint | Qt::WindowMaximizeButtonHint)));
        // The outer width is 440 whatever the frame.
        QCOMPARE(box.outerSize().width(), 440);
        QCOMPARE(box.minimumSize(), box.maximumSize());

        auto *picture = box.findChild<QLabel *>(QStringLiteral("picture"));
        QCOMPARE(picture->geometry(), QRect(15, 7, 105, 105));
        QCOMPARE(picture->pixmap().size(), QSize(105, 105));

        auto *title = box.findChild<AboutLabel *>(QStringLiteral("title"));
        QVERIFY(title->isSunken());
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSize(), 22);
        QCOMPARE(title->geometry(), QRect(128, 24, 300, title->heightForWidth(300)));
        QVERIFY(box.findChild<AboutLabel *>(QStringLiteral("version"))->font().bold());
        QVERIFY(box.findChild<AboutLabel *>(QStringLiteral("copyright"))->isHidden());

        auto *ok = box.findChild<QPushButton *>(QStringLiteral("ok"));
        auto *second = box.findChild<QPushButton *>(QStringLiteral("second"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->geometry(), QRect(434 - 81, ok->y(), 75, 25));
        QCOMPARE(box.height(), ok->geometry().bottom() + 1 + 6);
        QVERIFY(second->isHidden());
        QCOMPARE(second->geometry(), ok->geometry().translated(-81, 0));
        QCOMPARE(ok->nextInFocusChain(), second);
    }
};

DAVOVO_TEST(AboutBoxTest);
#include "aboutboxtest.moc"
