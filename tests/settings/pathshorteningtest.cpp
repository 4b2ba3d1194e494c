#include "settings/pathshortening.h"
#include "support/testregistry.h"

#include <QTest>

class PathShorteningTest : public QObject {
    Q_OBJECT

private slots:
    void shorten_data();
    void shorten();
};

void PathShorteningTest::shorten_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expected");

    // The worked example: 54 characters, then 44, then 30.
    const QString spring = QStringLiteral("C:\\Program Files\\Flight Models\\Scenery\\Palettes\\Spring");
    QTest::newRow("Windows example") << spring << 40 << QStringLiteral("C:\\...\\Scenery\\Palettes\\Spring");
    QTest::newRow("Windows example, one pass")
        << spring << 44 << QStringLiteral("C:\\...\\Flight Models\\Scenery\\Palettes\\Spring");
    QTest::newRow("Windows example, fits") << spring << 54 << spring;
    QTest::newRow("Linux example") << QStringLiteral("/Program Files/Flight Models/Scenery/Palettes/Spring")
                                   << 40 << QStringLiteral("/.../Scenery/Palettes/Spring");
    QTest::newRow("Linux home") << QStringLiteral("/home/pilot/Flight Models/Scenery/Palettes/Spring") << 40
                                << QStringLiteral("/.../Scenery/Palettes/Spring");

    QTest::newRow("40 shown as it is") << QStringLiteral("/home/pilot/aeroth/palettes/spring01.spl") << 40
                                       << QStringLiteral("/home/pilot/aeroth/palettes/spring01.spl");
    QTest::newRow("41 shortened") << QStringLiteral("/home/pilot/aeroth/palettes/spring001.spl") << 40
                                  << QStringLiteral("/.../pilot/aeroth/palettes/spring001.spl");
    QTest::newRow("Windows 40 shown as it is")
        << QStringLiteral("C:\\Aeroth\\Scenery\\Palettes\\Spring001.spl") << 40
        << QStringLiteral("C:\\Aeroth\\Scenery\\Palettes\\Spring001.spl");
    QTest::newRow("Windows 41 shortened")
        << QStringLiteral("C:\\Aeroth\\Scenery\\Palettes\\Spring0001.spl") << 40
        << QStringLiteral("C:\\...\\Scenery\\Palettes\\Spring0001.spl");
    // Hidden folders further in are folders like any other.
    QTest::newRow("hidden folder inside")
        << QStringLiteral("/home/pilot/.wine/drive_c/Aeroth/Palettes/spring.spl") << 40
        << QStringLiteral("/.../drive_c/Aeroth/Palettes/spring.spl");

    QTest::newRow("no folder part") << QStringLiteral("spring-palette-of-the-north-east-region.spl") << 10
                                    << QStringLiteral("spring-palette-of-the-north-east-region.spl");
    // The name is never cut: every folder, then the drive, goes first.
    const QString name(50, QLatin1Char('n'));
    QTest::newRow("long name under root") << QLatin1Char('/') + name << 40 << name;
    QTest::newRow("long name under drive") << QStringLiteral("C:\\") + name << 40 << name;
    QTest::newRow("long name in folders") << QStringLiteral("/a/b/") + name << 40 << name;
    // Short folders make the first passes longer: 49, 51, 49, then 48.
    QTest::newRow("ellipsis without root")
        << QStringLiteral("/a/b/") + name.left(44) << 48 << QStringLiteral(".../") + name.left(44);
    QTest::newRow("drive without folder")
        << QStringLiteral("C:spring.spl") << 10 << QStringLiteral("spring.spl");
    QTest::newRow("drive root fits") << QStringLiteral("C:\\") << 40 << QStringLiteral("C:\\");
    QTest::newRow("root fits") << QStringLiteral("/") << 40 << QStringLiteral("/");
    QTest::newRow("empty") << QString() << 40 << QString();
}

void PathShorteningTest::shorten()
{
    QFETCH(QString, path);
    QFETCH(int, limit);
    QFETCH(QString, expected);
    QCOMPARE(shortenPath(path, limit), expected);
}

DAVOVO_TEST(PathShorteningTest);

#include "pathshorteningtest.moc"
