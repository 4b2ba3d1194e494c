#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"
#include "grid/transfer/csvfile.h"
#include "grid/transfer/csvloader.h"
#include "grid/transfer/csvreader.h"
#include "platform/core/exceptions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

QString loadError(const std::function<void()> &load)
{
    try {
        load();
    } catch (const EInvalidGridOperation &e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

// A file of `size` bytes without writing them (a sparse file).
QString sparseFile(const TempDir &dir, const QString &name, qint64 size)
{
    const QString path = dir.write(name, QByteArray());
    QFile file(path);
    if (!file.resize(size))
        qFatal("Cannot size a test file");
    return path;
}

QList<QStringList> recordsReadByteByByte(const QByteArray &bytes)
{
    auto trickle = [&bytes](qsizetype &offset) {
        return [&bytes, &offset](char *data, qsizetype size) -> qsizetype {
            if (size == 0 || offset == bytes.size())
                return 0;
            *data = bytes[offset++];
            return 1;
        };
    };
    qsizetype first = 0;
    qsizetype second = 0;
    const CsvReader::Outline outline = CsvReader::outline(trickle(first));
    QList<QStringList> records;
    CsvReader::read(trickle(second), outline, [&](int col, int, QString &&text) {
        if (col == 0)
            records.append(QStringList());
        records.last().append(text);
    });
    return records;
}

} // namespace

// The CSV reader: delimiter detection, fields, encodings, loading into the
// cells, and the files it refuses.
class CsvTest : public QObject {
    Q_OBJECT

private slots:
    void countDelimiter_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("count");
        QTest::newRow("between others") << QByteArray("a,b,c") << 2;
        QTest::newRow("doubled never counts") << QByteArray("a,,b") << 0;
        QTest::newRow("first character") << QByteArray(",a") << 0;
        QTest::newRow("last character, even doubled") << QByteArray("a,b,,") << 2;
        QTest::newRow("quotes are other characters") << QByteArray("\"a\",\"b\"") << 1;
    }
    void countDelimiter()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, count);
        QCOMPARE(CsvReader::countDelimiter(line, ','), count);
    }

    void detectDelimiter_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<char>("delimiter");
        auto row = [](const char *name, const char *first, const char *second, char delimiter) {
            QTest::newRow(name) << QByteArray(first) << QByteArray(second) << delimiter;
        };
        row("semicolon", "a;b;c", "d;e;f", ';');
        row("tab", "a\tb", "c\td", '\t');
        row("more wins", "a,b;c;d", "e,f;g;h", ';');
        row("tie: the earlier stays", "a|b,c", "d|e,f", ',');
        row("unmatched earlier, matched later", "a,b,c|d", "e,f|g", '|');
        row("none in either", "ab", "cd", '\0');
    }
    void detectDelimiter()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(char, delimiter);
        QCOMPARE(CsvReader::detectDelimiter(first, second), delimiter);
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("records");
        auto row = [](const char *name, const QByteArray &bytes, const QList<QStringList> &records) {
            QTest::newRow(name) << bytes << records;
        };
        row("CR LF, final line end", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}});
        row("lone CR ends a line", "a,b\rc,d", {{"a", "b"}, {"c", "d"}});
        row("empty fields", "a,b\nc,d\n,,\ne,", {{"a", "b"}, {"c", "d"}, {"", "", ""}, {"e", ""}});
        row("quoted delimiter", "\"x,y\",b\nc,d,e", {{"x,y", "b"}, {"c", "d", "e"}});
        row("text after the closing quote", "\"ab\"cd,e\n1,2", {{"abcd", "e"}, {"1", "2"}});
        row("unquoted quotes stay", "x\"\"y,b\n1,2", {{"x\"\"y", "b"}, {"1", "2"}});
        row("last field: quotes stripped and undoubled", "a,\"b\"\"c\"\n1,x\"\"y",
            {{"a", "b\"c"}, {"1", "x\"y"}});
        row("last field: one quote each side", "a,b\"\n1,\"c", {{"a", "b"}, {"1", "c"}});
        row("last field: closing quote then text", "a,\"b\"c\n1,2", {{"a", "b\"c"}, {"1", "2"}});
        row("quoted field over lines", "a,\"one\ntwo\",c\nd,e,f",
            {{"a", "one\r\ntwo", "c"}, {"d", "e", "f"}});
        row("CR LF inside stays one break", "a,\"x\r\ny\",z\r\nb,c", {{"a", "x\r\ny", "z"}, {"b", "c"}});
        row("quote never closes", "a,\"bc\nd,e", {{"a", "bc\r\nd,e"}});
        row("no delimiter: one field a line", "a b\n\"q\"\nc,d", {{"a b"}, {"q"}, {"c,d"}});
        row("adjacent delimiters hide it", "a,b,c\nd,,f", {{"a,b,c"}, {"d,,f"}});
        row("tabs", "a\tb\nc\td\n\"e\tf\"\tg", {{"a", "b"}, {"c", "d"}, {"e\tf", "g"}});
        row("UTF-8", "caf\xC3\xA9,\xE2\x82\xAC\n1,2", {{"café", "€"}, {"1", "2"}});
        row("byte-order mark", "\xEF\xBB\xBF\"a\",b\n1,2", {{"a", "b"}, {"1", "2"}});
        row("Latin-1", "caf\xE9,b\n1,2", {{"café", "b"}, {"1", "2"}});
        row("overlong UTF-8 is Latin-1", "\xC0\xAF,b\n1,2",
            {{QString::fromLatin1("\xC0\xAF"), "b"}, {"1", "2"}});
    }
    void fields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, records);
        QCOMPARE(CsvReader::records(bytes), records);
        // The same when every read brings one byte: records, CR LF pairs
        // and quoted fields cut anywhere between two reads.
        QCOMPARE(recordsReadByteByByte(bytes), records);
    }

    // A record longer than what one read brings.
    void longRecord()
    {
        QByteArray bytes = "a,b\nc,";
        for (int i = 0; i < 30000; ++i)
            bytes += "\"abc\r\ndef\",";
        bytes += "end\nc,d";
        const QList<QStringList> records = CsvReader::records(bytes);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[1].size(), 30002);
        QCOMPARE(records[1][30000], QStringLiteral("abc\r\ndef"));
        QCOMPARE(records[1][30001], QStringLiteral("end"));
        QCOMPARE(records[2], (QStringList{"c", "d"}));
    }

    void loadKeepsCellsOutsideTheData()
    {
        CellStore cells(247, 6);
        for (const QPoint cell : {QPoint(0, 0), QPoint(2, 1), QPoint(1, 2), QPoint(5, 5)})
            cells.setText(cell.x(), cell.y(), QStringLiteral("old"));
        QCOMPARE(loadCsv("a,b,c\nd,e,f\ng,,i", cells), QRect(0, 0, 3, 3));
        QCOMPARE(cells.text(0, 0), QStringLiteral("a"));
        QCOMPARE(cells.text(2, 1), QStringLiteral("f"));
        QCOMPARE(cells.text(1, 2), QString());
        QCOMPARE(cells.text(5, 5), QStringLiteral("old"));
        QCOMPARE(cells.filledCount(), 9);
        QCOMPARE(QSize(cells.colCount(), cells.rowCount()), QSize(247, 6));
        QCOMPARE(loadCsv("1;2\n3;4\n5\n6\n7\n8\n9", cells), QRect(0, 0, 2, 7));
        QCOMPARE(QSize(cells.colCount(), cells.rowCount()), QSize(247, 7));
        QCOMPARE(cells.text(2, 1), QStringLiteral("f"));
    }

    void failedLoadChangesNothing()
    {
        CellStore cells(247, 6);
        cells.setText(0, 0, QStringLiteral("Location"));
        const QByteArray bytes = "a,b\nc,d\n" + QByteArray(TransferLimits::kMaxCellLength + 1, 'x');
        QCOMPARE(loadError([&] { loadCsv(bytes, cells); }),
                 QStringLiteral("A cell text of more than 32767 characters cannot be taken into the grid"));
        QCOMPARE(cells.text(0, 0), QStringLiteral("Location"));
        QCOMPARE(cells.filledCount(), 1);
        QCOMPARE(cells.rowCount(), 6);
    }

    void fileRefusals()
    {
        TempDir dir;
        CellStore cells(247, 6);
        const QString missing = dir.path(QStringLiteral("missing.csv"));
        QCOMPARE(loadError([&] { loadCsvFile(missing, cells); }), "File " + missing + " not found");
        QCOMPARE(loadError([&] { loadCsvFile(dir.folder(), cells); }),
                 "File " + dir.folder() + " is not a regular file");
        QCOMPARE(loadError([&] { loadCsvFile(QStringLiteral("/dev/zero"), cells); }),
                 QStringLiteral("File /dev/zero is not a regular file"));
        const QString pipe = dir.path(QStringLiteral("pipe.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(loadError([&] { loadCsvFile(pipe, cells); }), "File " + pipe + " is not a regular file");
        const QString large =
            sparseFile(dir, QStringLiteral("large.csv"), TransferLimits::kMaxCsvFileSize + 1);
        QCOMPARE(loadError([&] { loadCsvFile(large, cells); }), "File " + large + " is larger than 64 MiB");
        QCOMPARE(cells.filledCount(), 0);
    }

    // At the limit, and only for reading.
    void filesThatLoad()
    {
        TempDir dir;
        CsvFile file(sparseFile(dir, QStringLiteral("limit.csv"), TransferLimits::kMaxCsvFileSize));
        QByteArray buffer(1 << 20, '\0');
        qint64 total = 0;
        for (qsizetype got; (got = file.read(buffer.data(), buffer.size())) > 0;)
            total += got;
        QCOMPARE(total, TransferLimits::kMaxCsvFileSize);
        const QString small = dir.write(QStringLiteral("small.csv"), "x;y\n1;2\n");
        QFile::setPermissions(small, QFile::ReadOwner);
        CellStore cells(247, 6);
        QCOMPARE(loadCsvFile(small, cells), QRect(0, 0, 2, 2));
        QCOMPARE(cells.text(1, 1), QStringLiteral("2"));
    }
};

DAVOVO_TEST(CsvTest);
#include "csvtest.moc"
