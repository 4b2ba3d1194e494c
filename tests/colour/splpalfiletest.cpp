#include "colour/splpalfile.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

// A table unlike any stretch of TempDir::pattern.
ColourTable distinctTable()
{
    QByteArray bytes(ColourTable::kByteCount, '\0');
    for (int n = 0; n < bytes.size(); ++n)
        bytes[n] = char((255 - n * 13) & 0xFF);
    return tableOf(bytes);
}

ino_t inodeOf(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_ino;
}

} // namespace

class HeaderOffsetTest : public QObject {
    Q_OBJECT

private slots:
    void offsets_data();
    void offsets();
};

void HeaderOffsetTest::offsets_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("offset");

    QTest::newRow("pal") << "/data/terrain.pal" << 64;
    QTest::newRow("spl") << "/data/terrain.spl" << 68;
    QTest::newRow("upper-case PAL") << "/data/TERRAIN.PAL" << 68;
    QTest::newRow("mixed-case Pal") << "/data/terrain.Pal" << 68;
    QTest::newRow("no extension") << "/data/terrain" << 68;
    QTest::newRow("bare name") << "terrain.pal" << 64;
    QTest::newRow("dot at the end") << "/data/terrain." << 68;
    QTest::newRow("pal before another extension") << "/data/terrain.pal.spl" << 68;
    QTest::newRow("pal after another extension") << "/data/terrain.spl.pal" << 64;
    QTest::newRow("trailing blank") << "/data/terrain.pal " << 68;
    QTest::newRow("name is only the extension") << "/data/.pal" << 64;
    QTest::newRow("folder named like a pal file") << "/tmp/my.pal/terrain" << 68;
    QTest::newRow("dotted folder, pal file") << "/x/a.b/file.pal" << 64;
    QTest::newRow("trailing slash") << "/data/terrain.pal/" << 68;
    QTest::newRow("windows folder with a dot") << "C:\\pal.x\\file" << 68;
    QTest::newRow("windows folder named like a pal file") << "C:\\a.pal\\file" << 68;
    QTest::newRow("windows pal file") << "C:\\data\\terrain.pal" << 64;
    QTest::newRow("drive-relative pal file") << "D:terrain.pal" << 64;
    QTest::newRow("drive after a dot") << "a.pal:terrain" << 68;
}

void HeaderOffsetTest::offsets()
{
    QFETCH(QString, path);
    QFETCH(int, offset);
    QCOMPARE(headerOffset(path), offset);
}

class SplPalFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsTableAtOffset_data();
    void readsTableAtOffset();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void writeChangesOnlyTheTable_data();
    void writeChangesOnlyTheTable();
    void readThenWriteKeepsFile();
    void writeWithoutBinding();
    void writeToRemovedFile();
    void writeOnFullDisk();
    void writeToCutFileChangesNothing();
};

void SplPalFileTest::readsTableAtOffset_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");

    QTest::newRow("pal") << "terrain.pal" << 64 << 2000;
    QTest::newRow("spl") << "terrain.spl" << 68 << 2000;
    QTest::newRow("upper-case PAL") << "TERRAIN.PAL" << 68 << 2000;
    QTest::newRow("pal, exact length") << "terrain.pal" << 64 << 64 + 984;
    QTest::newRow("spl, exact length") << "terrain.spl" << 68 << 68 + 984;
}

void SplPalFileTest::readsTableAtOffset()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, size);
    TempDir dir;
    const QByteArray bytes = TempDir::pattern(size);
    const QString path = dir.write(name, bytes);

    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    QCOMPARE(table, tableOf(bytes.mid(offset, 984)));
    QVERIFY(file.binding().has_value());
    QCOMPARE(file.binding()->path, path);
    QCOMPARE(file.binding()->headerOffset, offset);
    QCOMPARE(dir.read(name), bytes);
}

void SplPalFileTest::failedReadChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("failure");

    QTest::newRow("pal one byte short") << "short.pal" << 64 + 983 << false << "100 Read beyond end of file";
    QTest::newRow("spl one byte short") << "short.spl" << 68 + 983 << false << "100 Read beyond end of file";
    QTest::newRow("spl as long as a pal")
        << "short.spl" << 64 + 984 << false << "100 Read beyond end of file";
    QTest::newRow("empty") << "empty.spl" << 0 << false << "100 Read beyond end of file";
    QTest::newRow("missing") << "missing.spl" << -1 << false << "2 File not found";
    QTest::newRow("missing folder") << "nofolder/terrain.spl" << -1 << false << "3 Invalid filename";
    QTest::newRow("read-only") << "locked.spl" << 2000 << true << "5 File access denied";
}

// The table and the binding of the previous file survive a failed read.
void SplPalFileTest::failedReadChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(bool, readOnly);
    QFETCH(QString, failure);
    TempDir dir;
    const QString good = dir.write(QStringLiteral("good.pal"), TempDir::pattern(1100));
    SplPalFile file;
    ColourTable table;
    file.bindAndRead(good, table);
    const ColourTable before = table;

    const QString path = size >= 0 ? dir.write(name, TempDir::pattern(size)) : dir.path(name);
    if (readOnly)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QString result;
    const auto read = [&] { result = ioFailureOf([&] { file.bindAndRead(path, table); }); };
    if (!readOnly)
        read();
    else if (!runWithoutPermissionOverride(read))
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(result, failure);
    QCOMPARE(table, before);
    QCOMPARE(file.binding()->path, good);
    QCOMPARE(file.binding()->headerOffset, 64);
    QCOMPARE(QFile::exists(path), size >= 0);
}

void SplPalFileTest::writeChangesOnlyTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");

    QTest::newRow("pal") << "terrain.pal" << 64 << 3000;
    QTest::newRow("spl") << "terrain.spl" << 68 << 3000;
    QTest::newRow("spl, exact length") << "terrain.spl" << 68 << 68 + 984;
}

void SplPalFileTest::writeChangesOnlyTheTable()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, size);
    TempDir dir;
    const QByteArray old = TempDir::pattern(size);
    const QString path = dir.write(name, old);
    const ino_t inode = inodeOf(path);

    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    const ColourTable edited = distinctTable();
    file.write(edited);

    const QByteArray now = dir.read(name);
    QCOMPARE(now.size(), old.size());
    QCOMPARE(inodeOf(path), inode);
    QCOMPARE(now.left(offset), old.left(offset));
    QCOMPARE(tableOf(now.mid(offset, 984)), edited);
    QCOMPARE(now.mid(offset + 984), old.mid(offset + 984));
}

void SplPalFileTest::readThenWriteKeepsFile()
{
    TempDir dir;
    const QByteArray old = TempDir::pattern(2000);
    const QString path = dir.write(QStringLiteral("terrain.spl"), old);
    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    file.write(table);
    QCOMPARE(dir.read(QStringLiteral("terrain.spl")), old);
}

void SplPalFileTest::writeWithoutBinding()
{
    const SplPalFile file;
    QCOMPARE(ioFailureOf([&] { file.write(distinctTable()); }), QStringLiteral("102 I/O error 102"));
}

// The file is changed in place, never made anew.
void SplPalFileTest::writeToRemovedFile()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("terrain.pal"), TempDir::pattern(2000));
    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    QVERIFY(QFile::remove(path));
    QCOMPARE(ioFailureOf([&] { file.write(table); }), QStringLiteral("2 File not found"));
    QVERIFY(!QFile::exists(path));
}

void SplPalFileTest::writeOnFullDisk()
{
    TempDir dir;
    const QByteArray old = TempDir::pattern(2000);
    const QString path = dir.write(QStringLiteral("terrain.spl"), old);
    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    QString failure;
    {
        const FileSizeLimit limit(500);
        failure = ioFailureOf([&] { file.write(distinctTable()); });
    }
    QCOMPARE(failure, QStringLiteral("101 Disk full"));
    QCOMPARE(dir.read(QStringLiteral("terrain.spl")).size(), old.size());
}

// Cut by another program since it was read: the file keeps its length and
// bytes, and Save says the table is no longer all there.
void SplPalFileTest::writeToCutFileChangesNothing()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("terrain.spl"), TempDir::pattern(2000));
    SplPalFile file;
    ColourTable table;
    file.bindAndRead(path, table);
    const QByteArray cut = TempDir::pattern(68 + 983);
    dir.write(QStringLiteral("terrain.spl"), cut);
    QCOMPARE(ioFailureOf([&] { file.write(distinctTable()); }),
             QStringLiteral("100 Read beyond end of file"));
    QCOMPARE(dir.read(QStringLiteral("terrain.spl")), cut);
}

DAVOVO_TEST(HeaderOffsetTest);
DAVOVO_TEST(SplPalFileTest);

#include "splpalfiletest.moc"
