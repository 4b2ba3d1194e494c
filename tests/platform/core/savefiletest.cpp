#include "platform/core/savefile.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList entries(const TempDir &dir)
{
    return QDir(dir.path(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void makeReadOnly(const QString &path)
{
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
}

} // namespace

class SaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesWholeFile_data();
    void writesWholeFile();
    void missingFolder();
    void folderAsTarget();
    void readOnlyFolderKeepsOldFile();
    void directWriteFallback();
    void fullDiskKeepsOldFile();
    void linksAndOwnerStay_data();
    void linksAndOwnerStay();
};

void SaveFileTest::writesWholeFile_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("new file") << QByteArray() << TempDir::pattern(984);
    QTest::newRow("replaces a longer file") << TempDir::pattern(5000) << QByteArray("short");
    QTest::newRow("replaces a shorter file") << QByteArray("short") << TempDir::pattern(5000);
    QTest::newRow("empty") << TempDir::pattern(100) << QByteArray();
}

void SaveFileTest::writesWholeFile()
{
    QFETCH(QByteArray, old);
    QFETCH(QByteArray, bytes);
    TempDir dir;
    const QString name = QStringLiteral("set.clr");
    if (!old.isEmpty())
        dir.write(name, old);

    writeWholeFile(dir.path(name), bytes);
    QCOMPARE(dir.read(name), bytes);
    QCOMPARE(entries(dir), QStringList{name});
}

void SaveFileTest::missingFolder()
{
    TempDir dir;
    const QString path = dir.path(QStringLiteral("nofolder/set.clr"));
    QCOMPARE(ioFailureOf([&] { writeWholeFile(path, "abc"); }), QStringLiteral("3 Invalid filename"));
    QVERIFY(entries(dir).isEmpty());
}

void SaveFileTest::folderAsTarget()
{
    TempDir dir;
    QVERIFY(QDir(dir.path(QString())).mkdir(QStringLiteral("set.clr")));
    QCOMPARE(ioFailureOf([&] { writeWholeFile(dir.path(QStringLiteral("set.clr")), "abc"); }),
             QStringLiteral("5 File access denied"));
    QVERIFY(QFileInfo(dir.path(QStringLiteral("set.clr"))).isDir());
}

void SaveFileTest::readOnlyFolderKeepsOldFile()
{
    TempDir dir;
    const QByteArray old = TempDir::pattern(984);
    const QString path = dir.write(QStringLiteral("set.clr"), old);
    makeReadOnly(dir.path(QString()));

    QString failure;
    const bool ran =
        runWithoutPermissionOverride([&] { failure = ioFailureOf([&] { writeWholeFile(path, "new"); }); });
    QVERIFY(
        QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("5 File access denied"));
    QCOMPARE(dir.read(QStringLiteral("set.clr")), old);
    QCOMPARE(entries(dir), QStringList{QStringLiteral("set.clr")});
}

// A folder that refuses the temporary file still takes the file in place when
// the caller allows it.
void SaveFileTest::directWriteFallback()
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("notes.txt"), TempDir::pattern(300));
    makeReadOnly(dir.path(QString()));

    const QByteArray bytes("the new notes");
    QString failure;
    const bool ran = runWithoutPermissionOverride(
        [&] { failure = ioFailureOf([&] { writeWholeFile(path, bytes, true); }); });
    QVERIFY(
        QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("no error"));
    QCOMPARE(dir.read(QStringLiteral("notes.txt")), bytes);
}

void SaveFileTest::fullDiskKeepsOldFile()
{
    TempDir dir;
    const QByteArray old = TempDir::pattern(100);
    const QString path = dir.write(QStringLiteral("set.clr"), old);
    QString failure;
    {
        const FileSizeLimit limit(1024);
        failure = ioFailureOf([&] { writeWholeFile(path, TempDir::pattern(4096)); });
    }
    QCOMPARE(failure, QStringLiteral("101 Disk full"));
    QCOMPARE(dir.read(QStringLiteral("set.clr")), old);
    QCOMPARE(entries(dir), QStringList{QStringLiteral("set.clr")});
}

// What the user set up around a file survives its rewrite: a second hard
// link, a symbolic link, another owner and the mode. A plain file is
// replaced by a new one (a new inode), as before.
void SaveFileTest::linksAndOwnerStay_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("sameInode");
    QTest::newRow("plain file: replaced") << "plain" << false;
    QTest::newRow("second hard link") << "hardlink" << true;
    QTest::newRow("symbolic link") << "symlink" << true;
    QTest::newRow("another owner") << "owner" << true;
}

void SaveFileTest::linksAndOwnerStay()
{
    QFETCH(QString, setUp);
    QFETCH(bool, sameInode);
    TempDir dir;
    const QString target = dir.write(QStringLiteral("set.clr"), TempDir::pattern(984));
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QByteArray targetName = QFile::encodeName(target);
    QString written = target;
    if (setUp == QStringLiteral("hardlink")) {
        QVERIFY(::link(targetName.constData(), QFile::encodeName(dir.path(QStringLiteral("other.clr")))) ==
                0);
    } else if (setUp == QStringLiteral("symlink")) {
        written = dir.path(QStringLiteral("link.clr"));
        QVERIFY(QFile::link(target, written));
    } else if (setUp == QStringLiteral("owner")) {
        if (::geteuid() != 0)
            QSKIP("giving a file another owner needs root");
        QVERIFY(::chown(targetName.constData(), 4321, 4321) == 0);
    }
    struct stat before {};
    QVERIFY(::stat(targetName.constData(), &before) == 0);

    const QByteArray shorter("new colours");
    writeWholeFile(written, shorter);

    struct stat after {};
    QVERIFY(::stat(targetName.constData(), &after) == 0);
    QCOMPARE(dir.read(QStringLiteral("set.clr")), shorter);
    QCOMPARE(after.st_ino == before.st_ino, sameInode);
    if (sameInode) {
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_mode, before.st_mode);
    }
    if (setUp == QStringLiteral("hardlink"))
        QCOMPARE(dir.read(QStringLiteral("other.clr")), shorter);
    if (setUp == QStringLiteral("symlink"))
        QVERIFY(QFileInfo(written).isSymLink());
}

DAVOVO_TEST(SaveFileTest);

#include "savefiletest.moc"
