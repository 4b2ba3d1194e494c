#include "about/aboutlayout.h"
#include "about/aboutpicture.h"
#include "about/aboutsettings.h"
#include "about/abouttexts.h"
#include "about/explodeanimation.h"
#include "platform/core/programversion.h"
#include "platform/core/systeminfo.h"
#include "platform/gui/screenoutliner.h"
#include "support/testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(AboutLabelHeights)
Q_DECLARE_METATYPE(Edges)

namespace {

struct FakeSystemInfo : SystemInfo {
    std::uint64_t memory = 0;
    int processors = 1;
    QString modelName;
    int type = 0;

    std::uint64_t totalPhysicalMemory() const override { return memory; }
    int processorCount() const override { return processors; }
    QString processorModelName() const override { return modelName; }
    int processorType() const override { return type; }
};

struct RecordingOutliner : ScreenOutliner {
    std::vector<QRect> drawn;
    void invertOutline(const QRect &rect) override { drawn.push_back(rect); }
};

QList<QRect> placedRects(const AboutLayout &l)
{
    return {l.title,    l.version, l.description, l.copyright, l.separator,
            l.captions, l.values,  l.ok,          l.second};
}

} // namespace

// The About box's texts, layout, picture and animation, without a window.
class AboutPartsTest : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QStringList>("settings"); // title, version, description, copyright
        QTest::addColumn<bool>("useResInfo");
        QTest::addColumn<bool>("entriesBuiltIn");
        QTest::addColumn<QStringList>("shown");

        const AboutSettings program;
        const QStringList programTexts{program.appName, program.version, program.description,
                                       program.copyright};
        const QStringList empty{"", "", "", ""};
        const QStringList spaces{"  ", "  ", "  ", "  "};
        QTest::newRow("the program's own texts") << programTexts << true << true << programTexts;
        QTest::newRow("empty, from version")
            << empty << true << true << QStringList{"Product", "Version 2.5", "Describes", "\rRights"};
        QTest::newRow("spaces are blank only for title and description")
            << spaces << true << true << QStringList{"Product", "  ", "Describes", "  "};
        QTest::newRow("a tab is text") << QStringList{"\t", "", "", ""} << true << true
                                       << QStringList{"\t", "Version 2.5", "Describes", "\rRights"};
        QTest::newRow("empty, not from version")
            << empty << false << true << QStringList{"App Title", "", "", ""};
        QTest::newRow("missing entries") << empty << true << false << QStringList{"", "Version ", "", "\r"};
    }

    void texts()
    {
        QFETCH(QStringList, settings);
        QFETCH(bool, useResInfo);
        QFETCH(bool, entriesBuiltIn);
        QFETCH(QStringList, shown);
        const AboutTexts given{settings[0], settings[1], settings[2], settings[3]};
        const VersionStrings version =
            entriesBuiltIn ? VersionStrings{"Product", "2.5", "Describes", "Rights"} : VersionStrings{};
        const AboutTexts texts = aboutTexts(given, useResInfo, version, QStringLiteral("App Title"));
        QCOMPARE((QStringList{texts.title, texts.version, texts.description, texts.copyright}), shown);
    }

    // Blank settings show the version strings built into the program.
    void builtInVersionStrings()
    {
        const VersionStrings built = programVersionStrings();
        QVERIFY(!built.productName.isEmpty());
        AboutSettings blank;
        blank.appName = blank.version = QString();
        const AboutTexts texts =
            aboutTexts({blank.appName, blank.version, blank.description, blank.copyright}, blank.useResInfo,
                       built, QString());
        QCOMPARE(texts.title + QLatin1Char('|') + texts.version,
                 built.productName + "|Version " + built.productVersion);
    }

    void systemValues_data()
    {
        QTest::addColumn<qulonglong>("memory");
        QTest::addColumn<int>("processors");
        QTest::addColumn<QString>("modelName");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("values");

        QTest::newRow("two Pentiums")
            << 1073741824ull << 2 << "" << 586 << "1048576 KB\r2x Intel Pentium or compatible";
        QTest::newRow("model name first")
            << 1024ull << 4 << "Some CPU 9" << 586 << "1 KB\r4x Some CPU 9 or compatible";
        QTest::newRow("code outside the table") << 0ull << 1 << "" << 8664 << "0 KB\r1x 8664 or compatible";
        QTest::newRow("half a KB rounds to even, down")
            << 2560ull << 1 << "" << 0 << "2 KB\r1x 0 or compatible";
        QTest::newRow("half a KB rounds to even, up")
            << 1536ull << 1 << "" << 0 << "2 KB\r1x 0 or compatible";
    }

    void systemValues()
    {
        QFETCH(qulonglong, memory);
        QFETCH(int, processors);
        QFETCH(QString, modelName);
        QFETCH(int, type);
        QFETCH(QString, values);
        FakeSystemInfo system;
        system.memory = memory;
        system.processors = processors;
        system.modelName = modelName;
        system.type = type;
        const SystemTexts texts = systemTexts(system);
        QCOMPARE(texts.captions, QStringLiteral("Available Memory:\rPlatform, CPU:"));
        QCOMPARE(texts.values, values);
    }

    void layout_data()
    {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<AboutLabelHeights>("heights");
        QTest::addColumn<bool>("emailGiven");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<int>("clientHeight");

        // Title, then below the picture's bottom (112) version, description,
        // copyright, two hidden link lines, separator, system block, buttons.
        QTest::newRow("every line") << 440 << AboutLabelHeights{36, 15, 15, 28, 28, 41} << false
                                    << QList<QRect>{{128, 24, 306, 36},  {128, 112, 306, 15},
                                                    {128, 131, 306, 15}, {128, 170, 306, 28},
                                                    {128, 211, 306, 2},  {128, 220, 150, 28},
                                                    {278, 220, 150, 41}, {359, 285, 75, 25},
                                                    {278, 285, 75, 25}}
                                    << 316;
        // A title taller than the picture; no version or copyright; the
        // missing description still advances by its gap; an e-mail text
        // shortens the web-address line to 3.
        QTest::newRow("tall title, lines left out") << 434 << AboutLabelHeights{120, 0, 0, 0, 28, 28} << true
                                                    << QList<QRect>{{128, 24, 300, 120},
                                                                    {},
                                                                    {},
                                                                    {},
                                                                    {128, 187, 300, 2},
                                                                    {128, 196, 150, 28},
                                                                    {278, 196, 150, 28},
                                                                    {353, 248, 75, 25},
                                                                    {272, 248, 75, 25}}
                                                    << 279;
    }

    void layout()
    {
        QFETCH(int, clientWidth);
        QFETCH(AboutLabelHeights, heights);
        QFETCH(bool, emailGiven);
        QFETCH(QList<QRect>, rects);
        QFETCH(int, clientHeight);
        const AboutLayout layout = layOutAboutBox(clientWidth, heights, emailGiven);
        QCOMPARE(placedRects(layout), rects);
        QCOMPARE(layout.clientHeight, clientHeight);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("centred") << QSize(440, 316) << QSize(1280, 1024) << QPoint(420, 354);
        QTest::newRow("odd differences truncate") << QSize(440, 317) << QSize(1279, 1024) << QPoint(419, 353);
        QTest::newRow("taller than the screen") << QSize(440, 316) << QSize(800, 300) << QPoint(180, 0);
        QTest::newRow("wider than the screen") << QSize(440, 316) << QSize(400, 600) << QPoint(0, 142);
    }

    void placement()
    {
        QFETCH(QSize, window);
        QFETCH(QSize, screen);
        QFETCH(QPoint, position);
        QCOMPARE(aboutBoxPosition(window, screen), position);
    }

    // Rectangles by index: 0, 19, 39 are the trail's first, middle and
    // last; 40, 59, 79 the growing ones'.
    void explode_data()
    {
        QTest::addColumn<Edges>("window");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<int>("index");
        QTest::addColumn<Edges>("rect");

        // Pointer above and left: the trail ends at (250, 620).
        const Edges box{400, 300, 840, 620};
        const QPoint above(100, 50);
        QTest::newRow("above: first") << box << above << 0 << Edges{104, 64, 124, 74};
        QTest::newRow("above: middle") << box << above << 19 << Edges{175, 335, 195, 345};
        QTest::newRow("above: trail's last") << box << above << 39 << Edges{250, 620, 270, 630};
        // Right 284.5 rounds to the even 284.
        QTest::newRow("above: first growing") << box << above << 40 << Edges{254, 612, 284, 630};
        QTest::newRow("above: middle growing") << box << above << 59 << Edges{325, 460, 555, 625};
        QTest::newRow("above: last is the box") << box << above << 79 << box;

        // Pointer below and right: (100 - 1001) div 2 truncates to -450, so
        // the trail ends at (551, 420).
        const Edges low{100, 100, 540, 420};
        const QPoint below(1001, 900);
        QTest::newRow("below: first") << low << below << 0 << Edges{990, 888, 1010, 898};
        QTest::newRow("below: middle") << low << below << 19 << Edges{776, 660, 796, 670};
        QTest::newRow("below: trail's last") << low << below << 39 << Edges{551, 420, 571, 430};
        QTest::newRow("below: first growing") << low << below << 40 << Edges{540, 412, 570, 430};
        QTest::newRow("below: middle growing") << low << below << 59 << Edges{326, 260, 556, 425};
        QTest::newRow("below: last is the box") << low << below << 79 << low;
    }

    void explode()
    {
        QFETCH(Edges, window);
        QFETCH(QPoint, pointer);
        QFETCH(int, index);
        QFETCH(Edges, rect);
        const std::vector<Edges> rects = ExplodeAnimation::rectangles(window, pointer);
        QCOMPARE(rects.size(), std::size_t(80));
        QCOMPARE(rects[std::size_t(index)], rect);
    }

    // The second pass draws every rectangle again in the same order, so each
    // is inverted twice and nothing stays on the screen.
    void explodeErasesItsTrail()
    {
        RecordingOutliner outliner;
        const Edges box{10, 20, 450, 340};
        ExplodeAnimation::run(outliner, box, QPoint(700, 5), 0);
        QCOMPARE(outliner.drawn.size(), std::size_t(160));
        const std::vector<QRect> first(outliner.drawn.begin(), outliner.drawn.begin() + 80);
        const std::vector<QRect> second(outliner.drawn.begin() + 80, outliner.drawn.end());
        QCOMPARE(first, second);
        QCOMPARE(first.back(), QRect(10, 20, 440, 320));
        // The delay of 75 spreads the 160 drawings over about a quarter second.
        QCOMPARE(160 * ExplodeAnimation::pause(75), std::chrono::milliseconds(240));
        QCOMPARE(ExplodeAnimation::pause(0), ExplodeAnimation::pause(1));
    }

    void picture()
    {
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::green);
        icon.setPixelColor(0, 0, Qt::red);
        icon.setPixelColor(31, 31, Qt::blue);
        icon.setPixelColor(31, 0, Qt::transparent);
        const QColor face(200, 210, 220);
        const QImage picture = aboutPicture(icon, face);
        QCOMPARE(picture.size(), QSize(72, 72));
        const auto at = [&](int x, int y) { return picture.pixelColor(x, y); };
        const QColor grey(128, 128, 128);
        // The frame along (0, 0) to (66, 66), drawn over the shadow.
        for (const QPoint p :
             {QPoint(0, 0), QPoint(66, 0), QPoint(0, 66), QPoint(66, 66), QPoint(33, 66), QPoint(66, 33)})
            QCOMPARE(at(p.x(), p.y()), QColor(Qt::black));
        // The shadow: 6 pixels along the bottom and right, from 6 on.
        for (const QPoint p : {QPoint(71, 6), QPoint(67, 33), QPoint(6, 71), QPoint(33, 67), QPoint(71, 71)})
            QCOMPARE(at(p.x(), p.y()), grey);
        // The corners the shadow leaves free.
        for (const QPoint p : {QPoint(67, 0), QPoint(71, 5), QPoint(0, 67), QPoint(5, 71)})
            QCOMPARE(at(p.x(), p.y()), face);
        // The icon stretched over (1, 1) to (65, 65) without smoothing, its
        // transparent part on button face.
        QCOMPARE(at(1, 1), QColor(Qt::red));
        QCOMPARE(at(2, 2), QColor(Qt::red));
        QCOMPARE(at(33, 33), QColor(Qt::green));
        QCOMPARE(at(65, 65), QColor(Qt::blue));
        QCOMPARE(at(65, 1), face);
    }
};

DAVOVO_TEST(AboutPartsTest);
#include "aboutpartstest.moc"
