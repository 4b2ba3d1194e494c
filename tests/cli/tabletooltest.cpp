#include "cli/tabletool.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList &arguments)
{
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = TableTool(out, err).run(arguments);
    return result;
}

// An SPL file (or PAL, by its name) of `size` bytes whose table holds `table`
// at its header offset, the rest TempDir's pattern.
QString splFile(const TempDir &dir, const QString &name, const QByteArray &table, int size = 1200)
{
    QByteArray bytes = TempDir::pattern(size);
    bytes.replace(name.endsWith(QLatin1String(".pal")) ? 64 : 68, table.size(), table);
    return dir.write(name, bytes);
}

// 984 table bytes where byte n is (n * 5 + seed) mod 256.
QByteArray tableBytes(int seed)
{
    QByteArray bytes(984, '\0');
    for (int n = 0; n < bytes.size(); ++n)
        bytes[n] = char((n * 5 + seed) & 0xFF);
    return bytes;
}

QStringList lines(const QString &text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

void setOldTime(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 9, 30), QTime(12, 0)), QFileDevice::FileModificationTime));
}

} // namespace

class TableToolTest : public QObject {
    Q_OBJECT

private slots:
    void showReadsEachKindOfFile()
    {
        TempDir dir;
        const Run spl = run({"show", splFile(dir, "a.spl", tableBytes(1))});
        QCOMPARE(spl.status, 0);
        QCOMPARE(lines(spl.out).size(), 246);
        QCOMPARE(lines(spl.out).first(), QStringLiteral("0 1 6 11 16 #01060b"));
        QCOMPARE(spl.err, QString());

        // A PAL file's table starts at 64; the same name holding a JASC
        // palette is read as that palette, 0 where it gives nothing.
        const Run pal = run({"show", "--csv", splFile(dir, "a.pal", tableBytes(1))});
        QCOMPARE(lines(pal.out).mid(0, 2),
                 QStringList({"entry,red,green,blue,fourth,hex", "0,1,6,11,16,#01060b"}));
        QCOMPARE(lines(pal.out).size(), 247);
        const Run jasc = run({"show", dir.write("j.pal", "JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n4 5 6\r\n")});
        QCOMPARE(lines(jasc.out).mid(0, 3),
                 QStringList({"0 1 2 3 0 #010203", "1 4 5 6 0 #040506", "2 0 0 0 0 #000000"}));
        // A colour set is known by its name, whatever its bytes.
        const Run set = run({"show", dir.write("s.CLR", "GIMP Palette\n" + tableBytes(0).mid(13))});
        QCOMPARE(lines(set.out).first(), QStringLiteral("0 71 73 77 80 #47494d"));
    }

    void readErrorsNameTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing") << "none.spl" << QByteArray() << "File not found";
        QTest::newRow("short") << "short.spl" << QByteArray(1051, 'x') << "Read beyond end of file";
        QTest::newRow("damaged palette")
            << "bad.gpl" << QByteArray("GIMP Palette\n1 2\n")
            << "Line 2 of the GIMP palette is not three numbers from 0 to 255: '1 2'";
    }
    void readErrorsNameTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TempDir dir;
        const QString path = bytes.isNull() ? dir.path(name) : dir.write(name, bytes);
        const QString out = dir.write("out.clr", "old");
        for (const QStringList &arguments :
             {QStringList{"show", path}, QStringList{"diff", path, path}, QStringList{"export", path, out}}) {
            const Run result = run(arguments);
            QCOMPARE(result.status, 2);
            QCOMPARE(result.out, QString());
            QCOMPARE(result.err, QStringLiteral("davovo-table: %1: %2\n").arg(path, message));
        }
        QCOMPARE(dir.read("out.clr"), QByteArray("old"));
    }

    void exportEveryFormatAndShowItBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("keepsFourth");
        QTest::addColumn<QByteArray>("start");

        QTest::newRow("colour set") << "out.clr" << QStringList() << true << tableBytes(3);
        QTest::newRow("no extension: colour set") << "out" << QStringList() << true << tableBytes(3);
        QTest::newRow("GIMP") << "out.gpl" << QStringList() << true << QByteArray("GIMP Palette");
        QTest::newRow("JASC") << "out.pal" << QStringList() << false << QByteArray("JASC-PAL");
        QTest::newRow("RIFF") << "out.pal" << QStringList{"--format", "riff"} << true << QByteArray("RIFF");
        QTest::newRow("Adobe") << "out.act" << QStringList() << false << QByteArray(tableBytes(3).left(3));
        QTest::newRow("named format wins")
            << "out.gpl" << QStringList{"--format=jasc"} << false << QByteArray("JASC-PAL");
    }
    void exportEveryFormatAndShowItBack()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, options);
        QFETCH(bool, keepsFourth);
        QFETCH(QByteArray, start);
        TempDir dir;
        const QString source = splFile(dir, "a.spl", tableBytes(3));
        const QString out = dir.write(name, "old content");
        const Run exported = run(QStringList{"export", source, out} + options);
        QCOMPARE(exported.status, 0);
        QCOMPARE(exported.out + exported.err, QString());
        QVERIFY(dir.read(name).startsWith(start));
        // Only the name ".clr" makes a colour set one when it is read.
        if (QFileInfo(out).suffix().isEmpty()) {
            QCOMPARE(dir.read(name).size(), 984);
            return;
        }

        QStringList expected = lines(run({"show", source}).out);
        if (!keepsFourth) {
            for (QString &line : expected)
                line = line.section(u' ', 0, 3) + QStringLiteral(" 0 ") + line.section(u' ', 5);
        }
        QCOMPARE(lines(run({"show", out}).out), expected);
    }

    void diffExitsByTheOutcome()
    {
        TempDir dir;
        QByteArray changed = tableBytes(7);
        changed[4 * 3 + 1] = 0;
        changed[4 * 245 + 3] = 1;
        const QString a = splFile(dir, "a.spl", tableBytes(7));
        const QString b = splFile(dir, "b.pal", changed, 3000);
        QVERIFY(run({"export", a, dir.path("a.clr")}).status == 0);

        QCOMPARE(run({"diff", a, dir.path("a.clr")}).out, QStringLiteral("0 of 246 entries differ\n"));
        QCOMPARE(run({"diff", a, dir.path("a.clr")}).status, 0);
        const Run different = run({"diff", a, b});
        QCOMPARE(different.status, 1);
        QCOMPARE(lines(different.out),
                 QStringList({"3: 67 72 77 82 -> 67 0 77 82", "245: 43 48 53 58 -> 43 48 53 1",
                              "2 of 246 entries differ"}));
        const Run failed = run({"diff", a, dir.path("none.spl")});
        QCOMPARE(failed.status, 2);
        QCOMPARE(failed.out, QString());
    }

    void applyReportsEachTarget()
    {
        TempDir dir;
        const QString source = dir.write("set.clr", tableBytes(9));
        const QByteArray old = TempDir::pattern(3000);
        QByteArray expected = old;
        expected.replace(68, 984, tableBytes(9));
        const QString changed = dir.write("changed.spl", old);
        const QString unchanged = splFile(dir, "same.spl", tableBytes(9));
        setOldTime(unchanged);
        const QDateTime unchangedTime = QFileInfo(unchanged).lastModified();
        const QString cut = dir.write("cut.spl", old.left(68 + 983));
        const QString missing = dir.path("missing.spl");
        const QString folder = dir.path("folder.spl");
        QVERIFY(QDir().mkdir(folder));
        const QString palette = dir.write("palette.pal", "JASC-PAL\r\n0100\r\n1\r\n1 2 3\r\n");
        const QString link = dir.path("link.spl");
        const QString linked = dir.write("linked.spl", old);
        QVERIFY(QFile::link(linked, link));

        const Run result = run({"apply", source, changed, unchanged, cut, missing, folder, palette, link});
        QCOMPARE(result.status, 1);
        QCOMPARE(lines(result.out), QStringList({
                                        changed + ": 246 entries changed",
                                        unchanged + ": unchanged",
                                        cut + ": error: Read beyond end of file",
                                        missing + ": error: File not found",
                                        folder + ": error: File access denied",
                                        palette + ": error: A JASC palette, not an SPL or PAL file",
                                        link + ": 246 entries changed",
                                        "2 files changed, 1 unchanged, 4 failed",
                                    }));
        QCOMPARE(result.err, QString());
        QCOMPARE(dir.read("changed.spl"), expected);
        QCOMPARE(QFileInfo(unchanged).lastModified(), unchangedTime);
        QCOMPARE(dir.read("cut.spl"), old.left(68 + 983));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(dir.read("palette.pal"), QByteArray("JASC-PAL\r\n0100\r\n1\r\n1 2 3\r\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(dir.read("linked.spl"), expected);
    }

    void applyRefusesAReadOnlyTarget()
    {
        TempDir dir;
        const QString source = splFile(dir, "a.spl", tableBytes(1));
        const QString target = splFile(dir, "b.spl", tableBytes(2));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        Run result;
        if (!runWithoutPermissionOverride([&] { result = run({"apply", source, target}); }))
            QSKIP("Cannot give up the permission override of root");
        QCOMPARE(lines(result.out), QStringList({target + ": error: File access denied",
                                                 "0 files changed, 0 unchanged, 1 failed"}));
        QCOMPARE(result.status, 1);
    }

    // A palette gives only some bytes: the target keeps the others.
    void applyShortPaletteKeepsTheRest()
    {
        TempDir dir;
        const QString source = dir.write("two.pal", "JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n4 5 6\r\n");
        const QString target = splFile(dir, "t.pal", tableBytes(4));
        QByteArray expected = tableBytes(4);
        expected.replace(0, 3, "\x01\x02\x03");
        expected.replace(4, 3, "\x04\x05\x06");

        const Run dry = run({"apply", "--dry-run", source, target});
        QCOMPARE(lines(dry.out), QStringList({target + ": 2 entries would change",
                                              "1 file would change, 0 unchanged, 0 failed"}));
        QCOMPARE(dir.read("t.pal").mid(64, 984), tableBytes(4));

        QCOMPARE(run({"apply", source, target}).status, 0);
        QCOMPARE(dir.read("t.pal").mid(64, 984), expected);
    }

    void applyWritesNothingWithoutASource()
    {
        TempDir dir;
        const QString target = splFile(dir, "t.spl", tableBytes(4));
        const Run result = run({"apply", dir.path("none.clr"), target});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, QStringLiteral("davovo-table: %1: File not found\n").arg(dir.path("none.clr")));
        QCOMPARE(dir.read("t.spl").mid(68, 984), tableBytes(4));
    }

    void usageErrorsHelpAndVersion()
    {
        const Run wrong = run({"show", "a", "b"});
        QCOMPARE(wrong.status, 2);
        QCOMPARE(wrong.out, QString());
        QCOMPARE(lines(wrong.err),
                 QStringList({"davovo-table: unexpected argument 'b'", CommandLine::usageLine()}));

        const Run help = run({"help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("usage: davovo-table COMMAND ARGS...\n")));
        for (const char *word :
             {"show FILE", "export FILE OUT", "diff A B", "apply SOURCE TARGET...", "riff"})
            QVERIFY2(help.out.contains(QLatin1String(word)), word);
        QCOMPARE(help.err, QString());

        const Run version = run({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(
            QRegularExpression(QStringLiteral("^davovo-table \\d+\\.\\d+\n$")).match(version.out).hasMatch());
    }
};

DAVOVO_TEST(TableToolTest);
#include "tabletooltest.moc"
