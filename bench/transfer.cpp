// Figures for text coming into the grid: a paste of 100,000 cells (1,000
// rows of 100) into the cell store, and the load of a CSV file of 10 MB (a
// million fields) with its peak memory, each beside a floor measured in the
// same run: reading the file and splitting it at the delimiter in a tight
// loop.

#include "grid/model/cellstore.h"
#include "grid/transfer/copyformat.h"
#include "grid/transfer/csvloader.h"
#include "grid/transfer/pasteparser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

template <class Prepare, class Work> double averageMs(int runs, Prepare &&prepare, Work &&work)
{
    double total = 0;
    for (int i = 0; i <= runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        if (i > 0) // the first run warms the allocator
            total += double(timer.nsecsElapsed()) / 1e6;
    }
    return total / runs;
}

// A kB figure of /proc/self/status ("VmRSS", "VmHWM"); -1 when unreadable.
qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QLatin1String(field) + QStringLiteral(":\\s*(\\d+) kB"))
            .match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// The peak resident memory that `work` adds, in bytes; -1 when the kernel
// cannot reset the peak (writing 5 to clear_refs, Linux 4.0 on).
template <class Work> qint64 peakBytes(Work &&work)
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    clear.close();
    const qint64 before = statusKb("VmRSS");
    work();
    const qint64 peak = statusKb("VmHWM");
    return before < 0 || peak < 0 ? -1 : (peak - before) * 1024;
}

CellStore editorCells()
{
    CellStore cells(247, 6);
    for (int col = 0; col < 247; ++col)
        for (int row = 0; row < 6; ++row)
            cells.setText(col, row, QString::number((col * 37 + row) % 256));
    return cells;
}

// 100,000 lines of ten 9-character fields: 10,000,000 bytes.
QByteArray csvBytes()
{
    QByteArray bytes;
    bytes.reserve(10'000'000);
    char field[16];
    for (int line = 0; line < 100'000; ++line) {
        for (int k = 0; k < 10; ++k) {
            const unsigned value = unsigned(line) * 2654435761u + unsigned(k) * 40503u;
            std::snprintf(field, sizeof field, "%05u.%03u", value % 100000u, (value / 100000u) % 1000u);
            bytes += field;
            bytes += k < 9 ? ',' : '\n';
        }
    }
    return bytes;
}

// The floor: the file read, then cut at every delimiter and line end.
qsizetype readAndSplit(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    qsizetype fields = 0;
    qsizetype characters = 0;
    qsizetype start = 0;
    const char *data = bytes.constData();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (data[i] == ',' || data[i] == '\n') {
            characters += QByteArrayView(data + start, i - start).size();
            ++fields;
            start = i + 1;
        }
    }
    return fields + characters;
}

QString pasteBlock()
{
    QString text;
    for (int row = 0; row < 1000; ++row) {
        if (row > 0)
            text += QLatin1String("\r\n");
        for (int col = 0; col < 100; ++col) {
            if (col > 0)
                text += QLatin1Char('\t');
            text += QString::number((row * 100 + col) % 256);
        }
    }
    return text;
}

void csvFigures()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.csv"));
    const QByteArray bytes = csvBytes();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    const double size = double(bytes.size());

    // Memory first, while the heap is fresh.
    CellStore measured = editorCells();
    const qint64 loadPeak = peakBytes([&] { loadCsvFile(path, measured); });
    const qint64 floorPeak = peakBytes([&] { (void)readAndSplit(path); });
    const qsizetype cells = measured.filledCount();

    CellStore cells2 = editorCells();
    const double load = averageMs(
        5, [&] { cells2 = editorCells(); }, [&] { loadCsvFile(path, cells2); });
    qsizetype sink = 0;
    const double floor = averageMs(
        5, [] {}, [&] { sink += readAndSplit(path); });

    std::printf("CSV file:                       %.0f bytes, %lld cells with text after the load\n", size,
                (long long)cells);
    std::printf("CSV load:                       %.1f ms (target < 500 ms)\n", load);
    std::printf("floor, read + split:            %.1f ms; load / floor = %.1f\n", floor, load / floor);
    if (loadPeak >= 0 && floorPeak > 0) {
        std::printf("CSV load peak memory:           %.1f MB = %.2f x the file (target < 10)\n",
                    loadPeak / 1e6, loadPeak / size);
        std::printf("floor peak memory:              %.1f MB = %.2f x the file; load / floor = %.1f\n",
                    floorPeak / 1e6, floorPeak / size, double(loadPeak) / double(floorPeak));
    } else {
        std::printf("peak memory:                    unavailable (no clear_refs)\n");
    }
    if (sink < 0)
        std::abort();
}

void pasteFigures()
{
    const QString text = pasteBlock();
    CellStore cells(247, 6);
    PasteResult result;
    const double paste = averageMs(
        10, [&] { cells = editorCells(); },
        [&] {
            result = pasteText(cells, {1, 1}, text);
        });
    QString copied;
    const double copy = averageMs(
        10, [] {}, [&] { copied = copyText(cells, result.area); });
    std::printf("paste of %lld cells (1,000 x 100): %.2f ms (target < 100 ms), grid now %d x %d\n",
                (long long)result.count, paste, cells.colCount(), cells.rowCount());
    std::printf("copy of the same block:         %.2f ms, %lld characters, same text: %s\n", copy,
                (long long)copied.size(), copied == text ? "yes" : "no");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    csvFigures();
    pasteFigures();
    return 0;
}
