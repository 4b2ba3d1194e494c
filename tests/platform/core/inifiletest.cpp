#include "platform/core/inifile.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <optional>

#include <unistd.h>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QString iniName = QStringLiteral("test.INI");
const QString settings = QStringLiteral("settings");
const QString startdir = QStringLiteral("startdir");
const QString missing = QStringLiteral("<default>");

void setFolderWritable(const TempDir &dir, bool writable)
{
    QFile::Permissions permissions = QFile::ReadOwner | QFile::ExeOwner;
    if (writable)
        permissions |= QFile::WriteOwner;
    QVERIFY(QFile::setPermissions(dir.path(QString()), permissions));
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readLimit_data();
    void readLimit();
    void readFolderAsFile();
    void write_data();
    void write();
    void roundTrip_data();
    void roundTrip();
    void refusesUnstorable_data();
    void refusesUnstorable();
    void refusesFolderAsFile();
    void refusesReadOnlyFolder();
    void directWriteKeepsOtherContent();
    void refusesUnreadableFile();
    void refusesReadOnlyFile();
};

// "startdir" of section "settings" in a file holding `content` (no file at
// all for nothing), with "<default>" as default.
void IniFileTest::read_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content");
    QTest::addColumn<QString>("expected");

    using Content = std::optional<QByteArray>;
    QTest::newRow("no file") << Content() << missing;
    QTest::newRow("empty file") << Content("") << missing;
    QTest::newRow("section without key") << Content("[settings]\nother=1\n") << missing;
    QTest::newRow("key in another section") << Content("[other]\nstartdir=/a\n[settings]\n") << missing;
    QTest::newRow("key before any section") << Content("startdir=/a\n[settings]\n") << missing;
    QTest::newRow("commented key") << Content("[settings]\n;startdir=/a\n") << missing;
    QTest::newRow("key of a later section") << Content("[settings]\n[other]\nstartdir=/a\n") << missing;
    QTest::newRow("empty value is present") << Content("[settings]\nstartdir=\n") << QString();
    QTest::newRow("blanks are a value") << Content("[settings]\nstartdir=   \n") << QStringLiteral("   ");
    QTest::newRow("typed by hand") << Content("[settings]\nstartdir=/no/such folder\n")
                                   << QStringLiteral("/no/such folder");
    QTest::newRow("value verbatim after =")
        << Content("[settings]\nstartdir = \"C:\\x\" ; y\t\n") << QStringLiteral(" \"C:\\x\" ; y\t");
    QTest::newRow("= inside the value") << Content("[settings]\nstartdir=a=b\n") << QStringLiteral("a=b");
    QTest::newRow("names ignore case") << Content("[SeTTings]\nSTARTDIR=/a\n") << QStringLiteral("/a");
    QTest::newRow("blanks around names")
        << Content("  [ settings ]  \n\t startdir \t=/a\n") << QStringLiteral("/a");
    QTest::newRow("comment after header")
        << Content("[settings] ; mine\nstartdir=/a\n") << QStringLiteral("/a");
    QTest::newRow("first section wins") << Content("[settings]\nx=1\n[settings]\nstartdir=/b\n") << missing;
    QTest::newRow("first key wins") << Content("[settings]\nstartdir=/a\nstartdir=/b\n")
                                    << QStringLiteral("/a");
    QTest::newRow("CRLF file") << Content("[settings]\r\nstartdir=D:\\Zovu\\Palettes\r\n")
                               << QStringLiteral("D:\\Zovu\\Palettes");
    QTest::newRow("CRLF empty value") << Content("[settings]\r\nstartdir=\r\n") << QString();
    QTest::newRow("no final line break") << Content("[settings]\nstartdir=/a") << QStringLiteral("/a");
    QTest::newRow("byte order mark") << Content("\xEF\xBB\xBF[settings]\nstartdir=/a\n")
                                     << QStringLiteral("/a");
    QTest::newRow("UTF-8 value") << Content("[settings]\nstartdir=/home/j\xC3\xBCrgen\n")
                                 << QStringLiteral("/home/j\u00FCrgen");
}

void IniFileTest::read()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(QString, expected);
    TempDir dir;
    if (content)
        dir.write(iniName, *content);
    QCOMPARE(IniFile(dir.path(iniName)).readString(settings, startdir, missing), expected);
}

void IniFileTest::readLimit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString exact(2047, QLatin1Char('a'));
    QTest::newRow("2047 kept") << exact << exact;
    QTest::newRow("2048 cut") << exact + QLatin1Char('b') << exact;
    QTest::newRow("3000 cut") << QString(3000, QLatin1Char('c')) << QString(2047, QLatin1Char('c'));
    // A character outside the BMP is two UTF-16 units; half of one is no text.
    const QString pair = QStringLiteral("\U0001F600");
    QTest::newRow("pair across the limit")
        << QString(2046, QLatin1Char('d')) + pair << QString(2046, QLatin1Char('d'));
}

void IniFileTest::readLimit()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    TempDir dir;
    dir.write(iniName, "[settings]\nstartdir=" + value.toUtf8() + "\nnext=1\n");
    QCOMPARE(IniFile(dir.path(iniName)).readString(settings, startdir, missing), expected);
}

void IniFileTest::readFolderAsFile()
{
    TempDir dir;
    QVERIFY(QDir().mkpath(dir.path(iniName)));
    QCOMPARE(IniFile(dir.path(iniName)).readString(settings, startdir, missing), missing);
}

// Writing "startdir" of "settings" into `before` gives exactly `after`.
void IniFileTest::write_data()
{
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    using Content = std::optional<QByteArray>;
    QTest::newRow("new file") << Content() << QStringLiteral("/home/u/pal")
                              << QByteArray("[settings]\nstartdir=/home/u/pal\n");
    QTest::newRow("new file, empty value") << Content() << QString() << QByteArray("[settings]\nstartdir=\n");
    QTest::newRow("empty file") << Content("") << QStringLiteral("/a")
                                << QByteArray("[settings]\nstartdir=/a\n");
    QTest::newRow("replaced in place")
        << Content("; "
                   "mine\n\n[other]\nstartdir=/keep\n\n[settings]\nfoo=bar\nstartdir=/"
                   "old\nzed=1\n\n[last]\nb=2\n")
        << QStringLiteral("/new")
        << QByteArray("; "
                      "mine\n\n[other]\nstartdir=/keep\n\n[settings]\nfoo=bar\nstartdir=/"
                      "new\nzed=1\n\n[last]\nb=2\n");
    QTest::newRow("replaced under other spelling")
        << Content("[Settings]\n  STARTDIR = /old\n") << QStringLiteral("/new")
        << QByteArray("[Settings]\nstartdir=/new\n");
    QTest::newRow("empty value replaces")
        << Content("[settings]\nstartdir=/old\n") << QString() << QByteArray("[settings]\nstartdir=\n");
    QTest::newRow("added after the section's last key")
        << Content("[settings]\nfoo=1\n; about x\n\n[x]\ny=2\n") << QStringLiteral("/a")
        << QByteArray("[settings]\nfoo=1\nstartdir=/a\n; about x\n\n[x]\ny=2\n");
    QTest::newRow("added below a bare header") << Content("[settings]\n\n[x]\n") << QStringLiteral("/a")
                                               << QByteArray("[settings]\nstartdir=/a\n\n[x]\n");
    QTest::newRow("header without line break")
        << Content("[settings]") << QStringLiteral("/a") << QByteArray("[settings]\nstartdir=/a");
    QTest::newRow("section added at the end") << Content("; c\n[a]\nb=1\n\n") << QStringLiteral("/a")
                                              << QByteArray("; c\n[a]\nb=1\n\n[settings]\nstartdir=/a\n");
    QTest::newRow("section added after unbroken line")
        << Content("[a]\nb=1") << QStringLiteral("/a") << QByteArray("[a]\nb=1\n[settings]\nstartdir=/a\n");
    QTest::newRow("CRLF replaced") << Content("[a]\r\nb=1\r\n[settings]\r\nstartdir=/old\r\nc=2\r\n")
                                   << QStringLiteral("/new")
                                   << QByteArray("[a]\r\nb=1\r\n[settings]\r\nstartdir=/new\r\nc=2\r\n");
    QTest::newRow("CRLF key added") << Content("[settings]\r\nc=2\r\n") << QStringLiteral("/a")
                                    << QByteArray("[settings]\r\nc=2\r\nstartdir=/a\r\n");
    QTest::newRow("CRLF section added") << Content("[a]\r\nb=1") << QStringLiteral("/a")
                                        << QByteArray("[a]\r\nb=1\r\n[settings]\r\nstartdir=/a\r\n");
    QTest::newRow("value verbatim") << Content() << QStringLiteral("  \"C:\\a b\\\" ;x  ")
                                    << QByteArray("[settings]\nstartdir=  \"C:\\a b\\\" ;x  \n");
    QTest::newRow("UTF-8 value") << Content() << QStringLiteral("/home/j\u00FCrgen")
                                 << QByteArray("[settings]\nstartdir=/home/j\xC3\xBCrgen\n");
    QTest::newRow("byte order mark kept")
        << Content("\xEF\xBB\xBF[settings]\nstartdir=/old\n") << QStringLiteral("/new")
        << QByteArray("\xEF\xBB\xBF[settings]\nstartdir=/new\n");
    QTest::newRow("foreign bytes kept") << Content("[bin]\nk=\xFF\xFE\x01\n") << QStringLiteral("/a")
                                        << QByteArray("[bin]\nk=\xFF\xFE\x01\n[settings]\nstartdir=/a\n");
}

void IniFileTest::write()
{
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TempDir dir;
    if (before)
        dir.write(iniName, *before);
    QVERIFY(IniFile(dir.path(iniName)).writeString(settings, startdir, value));
    QCOMPARE(dir.read(iniName), after);
}

// What is written reads back as it was given, in any file around it.
void IniFileTest::roundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("blanks around") << QStringLiteral("  /a b/  ");
    QTest::newRow("trailing backslash") << QStringLiteral("C:\\Aeroth\\");
    QTest::newRow("equals and quotes") << QStringLiteral("=\"x\"=");
    QTest::newRow("section look-alike") << QStringLiteral("[other]");
    QTest::newRow("comment look-alike") << QStringLiteral(";x");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("non-ASCII") << QStringLiteral("/\u00E9t\u00E9/\u65E5\u672C");
}

void IniFileTest::roundTrip()
{
    QFETCH(QString, value);
    TempDir dir;
    const QByteArray others("[a]\nstartdir=/other\n\n[settings]\nx=1\n[b]\nstartdir=/b\n");
    dir.write(iniName, others);
    const IniFile file(dir.path(iniName));
    QVERIFY(file.writeString(settings, startdir, value));
    QCOMPARE(file.readString(settings, startdir, missing), value);
    QVERIFY(file.writeString(settings, startdir, value + QLatin1Char('2')));
    QCOMPARE(file.readString(settings, startdir, missing), value + QLatin1Char('2'));
    QCOMPARE(file.readString(QStringLiteral("a"), startdir, missing), QStringLiteral("/other"));
    QCOMPARE(file.readString(QStringLiteral("b"), startdir, missing), QStringLiteral("/b"));
}

// Texts that would not read back as given (or would break the file's lines)
// are refused, and the file stays as it was.
void IniFileTest::refusesUnstorable_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("line feed in value") << settings << startdir << QStringLiteral("/a\n[x]");
    QTest::newRow("carriage return in value") << settings << startdir << QStringLiteral("/a\r");
    QTest::newRow("line break in key") << settings << QStringLiteral("a\nb") << QString();
    QTest::newRow("line break in section") << QStringLiteral("a\nb") << startdir << QString();
    QTest::newRow("] in section") << QStringLiteral("a]b") << startdir << QString();
    QTest::newRow("= in key") << settings << QStringLiteral("a=b") << QString();
    QTest::newRow("key reads as section") << settings << QStringLiteral("[k") << QString();
    QTest::newRow("key reads as comment") << settings << QStringLiteral(";k") << QString();
    QTest::newRow("blank key") << settings << QStringLiteral("  ") << QString();
    QTest::newRow("empty section") << QString() << startdir << QString();
}

void IniFileTest::refusesUnstorable()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TempDir dir;
    const QByteArray before("[settings]\nstartdir=/old\n");
    dir.write(iniName, before);
    QVERIFY(!IniFile(dir.path(iniName)).writeString(section, key, value));
    QCOMPARE(dir.read(iniName), before);
}

// A folder where the file should be cannot be opened as a file, not even by
// root.
void IniFileTest::refusesFolderAsFile()
{
    TempDir dir;
    QVERIFY(QDir().mkpath(dir.path(iniName + QStringLiteral("/inside"))));
    QVERIFY(!IniFile(dir.path(iniName)).writeString(settings, startdir, QStringLiteral("/a")));
    QVERIFY(QFileInfo(dir.path(iniName + QStringLiteral("/inside"))).isDir());
}

void IniFileTest::refusesReadOnlyFolder()
{
    TempDir dir;
    setFolderWritable(dir, false);
    bool written = true;
    const bool ran = runWithoutPermissionOverride(
        [&] { written = IniFile(dir.path(iniName)).writeString(settings, startdir, QStringLiteral("/a")); });
    setFolderWritable(dir, true);
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QVERIFY(!written);
    QVERIFY(!QFile::exists(dir.path(iniName)));
    QCOMPARE(QDir(dir.path(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// A folder that refuses the temporary file, with a writable file in it: the
// file is written in place and keeps its other content.
void IniFileTest::directWriteKeepsOtherContent()
{
    TempDir dir;
    dir.write(iniName, "; mine\n[settings]\nstartdir=/old\n[x]\ny=1\n");
    setFolderWritable(dir, false);
    bool written = false;
    const bool ran = runWithoutPermissionOverride([&] {
        written = IniFile(dir.path(iniName)).writeString(settings, startdir, QStringLiteral("/new"));
    });
    setFolderWritable(dir, true);
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QVERIFY(written);
    QCOMPARE(dir.read(iniName), QByteArray("; mine\n[settings]\nstartdir=/new\n[x]\ny=1\n"));
}

// A file that cannot be read must not be replaced by one holding only the
// new key.
void IniFileTest::refusesUnreadableFile()
{
    TempDir dir;
    const QByteArray before("[other]\nkeep=1\n");
    const QString path = dir.write(iniName, before);
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    bool written = true;
    const bool ran = runWithoutPermissionOverride(
        [&] { written = IniFile(path).writeString(settings, startdir, QStringLiteral("/a")); });
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QVERIFY(!written);
    QCOMPARE(dir.read(iniName), before);
}

// A read-only file is refused even where the folder would take a new one.
void IniFileTest::refusesReadOnlyFile()
{
    // QSaveFile tests the file with access(), which lets root pass even
    // without the permission override in effect.
    if (geteuid() == 0)
        QSKIP("Root may write any file");
    TempDir dir;
    const QByteArray before("[settings]\nstartdir=/old\n");
    const QString path = dir.write(iniName, before);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const bool written = IniFile(path).writeString(settings, startdir, QStringLiteral("/a"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(!written);
    QCOMPARE(dir.read(iniName), before);
}

DAVOVO_TEST(IniFileTest);

#include "inifiletest.moc"
