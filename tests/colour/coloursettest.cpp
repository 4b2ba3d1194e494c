#include "colour/colourset.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QStringList entries(const TempDir &dir)
{
    return QDir(dir.path(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class ColourSetTest : public QObject {
    Q_OBJECT

private slots:
    void writesBareTable_data();
    void writesBareTable();
    void readsFirstTable_data();
    void readsFirstTable();
    void readFailures_data();
    void readFailures();
    void readOnlySetIsRefused();
    void failedWriteKeepsOldSet_data();
    void failedWriteKeepsOldSet();
    void writeToMissingFolder();
};

void ColourSetTest::writesBareTable_data()
{
    QTest::addColumn<QByteArray>("old");

    QTest::newRow("new file") << QByteArray();
    QTest::newRow("over a longer file") << QByteArray(5000, 'o');
    QTest::newRow("over a shorter file") << QByteArray(10, 'o');
}

void ColourSetTest::writesBareTable()
{
    QFETCH(QByteArray, old);
    TempDir dir;
    const QString name = QStringLiteral("colours.clr");
    if (!old.isEmpty())
        dir.write(name, old);
    const QByteArray bytes = TempDir::pattern(984);

    writeColourSet(dir.path(name), tableOf(bytes));
    QCOMPARE(dir.read(name), bytes);
    QCOMPARE(readColourSet(dir.path(name)), tableOf(bytes));
}

void ColourSetTest::readsFirstTable_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("exact") << 984;
    QTest::newRow("1000 bytes") << 1000;
    QTest::newRow("much longer") << 100000;
}

void ColourSetTest::readsFirstTable()
{
    QFETCH(int, size);
    TempDir dir;
    const QByteArray bytes = TempDir::pattern(size);
    const QString path = dir.write(QStringLiteral("colours.clr"), bytes);
    QCOMPARE(readColourSet(path), tableOf(bytes.left(984)));
    QCOMPARE(dir.read(QStringLiteral("colours.clr")), bytes);
}

void ColourSetTest::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("failure");

    QTest::newRow("one byte short") << "colours.clr" << 983 << "100 Read beyond end of file";
    QTest::newRow("empty") << "colours.clr" << 0 << "100 Read beyond end of file";
    QTest::newRow("missing") << "missing.clr" << -1 << "2 File not found";
    QTest::newRow("missing folder") << "nofolder/colours.clr" << -1 << "3 Invalid filename";
}

void ColourSetTest::readFailures()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, failure);
    TempDir dir;
    const QString path = size >= 0 ? dir.write(name, TempDir::pattern(size)) : dir.path(name);
    QCOMPARE(ioFailureOf([&] { (void)readColourSet(path); }), failure);
    QCOMPARE(QFile::exists(path), size >= 0);
}

void ColourSetTest::readOnlySetIsRefused()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("colours.clr"), TempDir::pattern(984));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QString failure;
    if (!runWithoutPermissionOverride([&] { failure = ioFailureOf([&] { (void)readColourSet(path); }); }))
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("5 File access denied"));
}

void ColourSetTest::failedWriteKeepsOldSet_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("failure");

    QTest::newRow("read-only folder") << "read-only folder"
                                      << "5 File access denied";
    QTest::newRow("disk full") << "disk full"
                               << "101 Disk full";
}

// An existing set is only ever replaced by a complete new one.
void ColourSetTest::failedWriteKeepsOldSet()
{
    QFETCH(QString, situation);
    QFETCH(QString, failure);
    TempDir dir;
    // Shorter than a table, so a partial write would show even in place.
    const QByteArray old = TempDir::pattern(100);
    const QString path = dir.write(QStringLiteral("colours.clr"), old);
    const auto write = [&] {
        return ioFailureOf([&] { writeColourSet(path, tableOf(QByteArray(984, 'n'))); });
    };

    QString result;
    if (situation == QLatin1String("disk full")) {
        const FileSizeLimit limit(500);
        result = write();
    } else {
        const QString folder = dir.path(QString());
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const bool ran = runWithoutPermissionOverride([&] { result = write(); });
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (!ran)
            QSKIP("Cannot give up the permission override of root");
    }
    QCOMPARE(result, failure);
    QCOMPARE(dir.read(QStringLiteral("colours.clr")), old);
    QCOMPARE(entries(dir), QStringList{QStringLiteral("colours.clr")});
}

void ColourSetTest::writeToMissingFolder()
{
    TempDir dir;
    const QString path = dir.path(QStringLiteral("nofolder/colours.clr"));
    QCOMPARE(ioFailureOf([&] { writeColourSet(path, ColourTable()); }), QStringLiteral("3 Invalid filename"));
    QVERIFY(entries(dir).isEmpty());
}

DAVOVO_TEST(ColourSetTest);

#include "coloursettest.moc"
