#include "platform/core/checkedfile.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

namespace {

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class CheckedFileTest : public QObject {
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void errnoCodes_data();
    void errnoCodes();
    void openFailures_data();
    void openFailures();
    void readOnlyFileIsRefused();
    void readsExactBlock();
    void shortReadFails_data();
    void shortReadFails();
    void notOpen_data();
    void notOpen();
    void fullDeviceIsDiskFull();
    void fileSizeLimitIsDiskFull();
    void createTruncates();
    void descriptorsAreReleased();
};

void CheckedFileTest::messages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("2") << 2 << "File not found";
    QTest::newRow("3") << 3 << "Invalid filename";
    QTest::newRow("4") << 4 << "Too many open files";
    QTest::newRow("5") << 5 << "File access denied";
    QTest::newRow("100") << 100 << "Read beyond end of file";
    QTest::newRow("101") << 101 << "Disk full";
    QTest::newRow("106") << 106 << "Invalid numeric input";
    QTest::newRow("sharing violation") << 32 << "I/O error 32";
    QTest::newRow("no name") << 102 << "I/O error 102";
    QTest::newRow("not open") << 103 << "I/O error 103";
}

void CheckedFileTest::messages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    const EInOutError error(code);
    QCOMPARE(error.message(), message);
    QCOMPARE(error.errorCode(), code);
}

// The errno values no test below can bring about on demand.
void CheckedFileTest::errnoCodes_data()
{
    QTest::addColumn<int>("posixErrno");
    QTest::addColumn<int>("code");

    QTest::newRow("EMFILE") << EMFILE << 4;
    QTest::newRow("ENFILE") << ENFILE << 4;
    QTest::newRow("EPERM") << EPERM << 5;
    QTest::newRow("EROFS") << EROFS << 5;
    QTest::newRow("ENOSPC") << ENOSPC << 101;
    QTest::newRow("EDQUOT") << EDQUOT << 101;
    QTest::newRow("EBUSY passes through") << EBUSY << EBUSY;
    QTest::newRow("ETXTBSY passes through") << ETXTBSY << ETXTBSY;
}

void CheckedFileTest::errnoCodes()
{
    QFETCH(int, posixErrno);
    QFETCH(int, code);
    QCOMPARE(CheckedFile::ioErrorCode(posixErrno, QStringLiteral("/tmp/file")), code);
}

void CheckedFileTest::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("failure");

    QTest::newRow("missing file") << "missing.spl"
                                  << "2 File not found";
    QTest::newRow("missing folder") << "nofolder/terrain.spl"
                                    << "3 Invalid filename";
    QTest::newRow("missing folders") << "no/folder/terrain.spl"
                                     << "3 Invalid filename";
    QTest::newRow("file used as folder") << "plain.bin/terrain.spl"
                                         << "3 Invalid filename";
    QTest::newRow("folder") << "folder"
                            << "5 File access denied";
    QTest::newRow("existing file") << "plain.bin"
                                   << "no error";
}

void CheckedFileTest::openFailures()
{
    QFETCH(QString, name);
    QFETCH(QString, failure);
    TempDir dir;
    dir.write(QStringLiteral("plain.bin"), TempDir::pattern(10));
    QVERIFY(QDir(dir.path(QString())).mkdir(QStringLiteral("folder")));

    CheckedFile file;
    QCOMPARE(ioFailureOf([&] { file.openExisting(dir.path(name)); }), failure);
    QCOMPARE(file.isOpen(), failure == QLatin1String("no error"));
    QVERIFY(!QFile::exists(dir.path(QStringLiteral("missing.spl"))));

    CheckedFile unnamed;
    QCOMPARE(ioFailureOf([&] { unnamed.openExisting(QString()); }), QStringLiteral("3 Invalid filename"));
}

void CheckedFileTest::readOnlyFileIsRefused()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("terrain.spl"), TempDir::pattern(10));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QString failure;
    const bool ran = runWithoutPermissionOverride([&] {
        CheckedFile file;
        failure = ioFailureOf([&] { file.openExisting(path); });
    });
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("5 File access denied"));
}

void CheckedFileTest::readsExactBlock()
{
    TempDir dir;
    const QByteArray bytes = TempDir::pattern(10);
    const QString path = dir.write(QStringLiteral("plain.bin"), bytes);

    CheckedFile file;
    file.openExisting(path);
    QByteArray block(8, '\0');
    file.readAt(2, block.data(), block.size());
    QCOMPARE(block, bytes.mid(2, 8));
    file.close();
    QVERIFY(!file.isOpen());
}

void CheckedFileTest::shortReadFails_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("size");

    QTest::newRow("one byte past the end") << qint64(3) << qint64(8);
    QTest::newRow("starts at the end") << qint64(10) << qint64(1);
    QTest::newRow("starts beyond the end") << qint64(100) << qint64(4);
}

void CheckedFileTest::shortReadFails()
{
    QFETCH(qint64, offset);
    QFETCH(qint64, size);
    TempDir dir;
    const QString path = dir.write(QStringLiteral("plain.bin"), TempDir::pattern(10));

    CheckedFile file;
    file.openExisting(path);
    QByteArray block(size, '\0');
    QCOMPARE(ioFailureOf([&] { file.readAt(offset, block.data(), size); }),
             QStringLiteral("100 Read beyond end of file"));
}

void CheckedFileTest::notOpen_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("wasOpen");

    for (const char *operation : {"read", "write", "flush", "close"}) {
        QTest::addRow("%s, never opened", operation) << QString::fromLatin1(operation) << false;
        QTest::addRow("%s, after close", operation) << QString::fromLatin1(operation) << true;
    }
}

void CheckedFileTest::notOpen()
{
    QFETCH(QString, operation);
    QFETCH(bool, wasOpen);
    TempDir dir;
    const QByteArray bytes = TempDir::pattern(10);
    const QString path = dir.write(QStringLiteral("plain.bin"), bytes);

    CheckedFile file;
    if (wasOpen) {
        file.openExisting(path);
        file.close();
    }
    char block[4] = {};
    const QString failure = ioFailureOf([&] {
        if (operation == QLatin1String("read"))
            file.readAt(0, block, 4);
        else if (operation == QLatin1String("write"))
            file.writeAt(0, block, 4);
        else if (operation == QLatin1String("flush"))
            file.flush();
        else
            file.close();
    });
    QCOMPARE(failure, QStringLiteral("103 I/O error 103"));
    QCOMPARE(dir.read(QStringLiteral("plain.bin")), bytes);
}

void CheckedFileTest::fullDeviceIsDiskFull()
{
    const QString full = QStringLiteral("/dev/full");
    if (!QFile::exists(full))
        QSKIP("No /dev/full here");
    CheckedFile file;
    file.openExisting(full);
    const char block[4] = {1, 2, 3, 4};
    QCOMPARE(ioFailureOf([&] { file.writeAt(0, block, 4); }), QStringLiteral("101 Disk full"));
}

// A write that gets only part of its bytes in must not pass as done.
void CheckedFileTest::fileSizeLimitIsDiskFull()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("plain.bin"), TempDir::pattern(10));
    CheckedFile file;
    file.openExisting(path);
    const QByteArray block(4096, 'x');
    QString failure;
    {
        const FileSizeLimit limit(1024);
        failure = ioFailureOf([&] { file.writeAt(0, block.constData(), block.size()); });
    }
    QCOMPARE(failure, QStringLiteral("101 Disk full"));
    QCOMPARE(QFileInfo(path).size(), 1024);
}

void CheckedFileTest::createTruncates()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("plain.bin"), TempDir::pattern(10));
    CheckedFile file;
    file.create(path);
    QCOMPARE(QFileInfo(path).size(), 0);
    file.writeAt(0, "abc", 3);
    file.flush();
    file.close();
    QCOMPARE(dir.read(QStringLiteral("plain.bin")), QByteArray("abc"));

    CheckedFile nowhere;
    QCOMPARE(ioFailureOf([&] { nowhere.create(dir.path(QStringLiteral("nofolder/new.clr"))); }),
             QStringLiteral("3 Invalid filename"));
}

// A failure leaves the file open for the destructor to close; opening again
// closes the previous file first.
void CheckedFileTest::descriptorsAreReleased()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("plain.bin"), TempDir::pattern(10));
    const int before = openDescriptorCount();
    {
        CheckedFile file;
        file.openExisting(path);
        file.openExisting(path);
        file.openExisting(path);
        QCOMPARE(openDescriptorCount(), before + 1);
        char block[20];
        QCOMPARE(ioFailureOf([&] { file.readAt(0, block, sizeof block); }),
                 QStringLiteral("100 Read beyond end of file"));
        QVERIFY(file.isOpen());
    }
    QCOMPARE(openDescriptorCount(), before);
}

DAVOVO_TEST(CheckedFileTest);

#include "checkedfiletest.moc"
