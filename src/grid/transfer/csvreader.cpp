#include "grid/transfer/csvreader.h"

#include "grid/transfer/csvscanner.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// The part of the text read so far that is still needed: from the start of
// the record being read to the end of what the source gave.
class Window {
public:
    explicit Window(const CsvReader::Source &source) : source_(source) {}

    [[nodiscard]] QByteArrayView bytes() const { return QByteArrayView(buffer_.constData(), size_); }
    [[nodiscard]] bool atEnd() const { return atEnd_; }

    // Drops the bytes before `pos`, which becomes 0, and reads more. False
    // once the source has ended: nothing changes any more.
    bool more(qsizetype &pos)
    {
        if (atEnd_)
            return false;
        if (pos > 0)
            std::memmove(buffer_.data(), buffer_.constData() + pos, std::size_t(size_ - pos));
        size_ -= pos;
        pos = 0;
        // Doubling: a record longer than the window is read again only a
        // few times, whatever its length.
        if (buffer_.size() - size_ < kChunk)
            buffer_.resize(std::max(2 * size_, size_ + kChunk));
        const qsizetype got = source_(buffer_.data() + size_, buffer_.size() - size_);
        if (got <= 0)
            atEnd_ = true;
        else
            size_ += got;
        return true;
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    const CsvReader::Source &source_;
    QByteArray buffer_;
    qsizetype size_ = 0;
    bool atEnd_ = false;
};

// The line at `pos`, moving `pos` past its line end.
QByteArrayView takeLine(QByteArrayView bytes, qsizetype &pos)
{
    const qsizetype begin = pos;
    while (pos < bytes.size() && bytes[pos] != '\n' && bytes[pos] != '\r')
        ++pos;
    const QByteArrayView line = bytes.sliced(begin, pos - begin);
    if (pos < bytes.size())
        pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
    return line;
}

// Past the byte-order mark, once enough is read to tell.
qsizetype textStart(Window &window)
{
    qsizetype pos = 0;
    while (window.bytes().size() < 3 && window.more(pos)) {
    }
    return window.bytes().startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

// The delimiter of the first two lines, reading until both are whole.
char delimiterOf(Window &window, qsizetype &pos)
{
    for (;;) {
        const QByteArrayView bytes = window.bytes();
        qsizetype end = pos;
        const QByteArrayView first = takeLine(bytes, end);
        const bool hasSecond = end < bytes.size();
        const QByteArrayView second = takeLine(bytes, end);
        // A byte after the second line end settles a CR that may be a CR LF.
        if (end < bytes.size() || window.atEnd())
            return hasSecond ? CsvReader::detectDelimiter(first, second) : 0;
        window.more(pos);
    }
}

// Calls `onRecord(scanner, row, fields, begin, end)` for every record read
// from `pos` on, each whole in the window.
template <class OnRecord>
void forEachRecord(Window &window, qsizetype pos, char delimiter, bool utf8, OnRecord &&onRecord)
{
    std::vector<CsvScanner::Field> fields;
    for (int row = 0;;) {
        if (pos == window.bytes().size()) {
            if (!window.more(pos))
                return;
            continue;
        }
        const CsvScanner scanner(window.bytes(), delimiter, utf8);
        const qsizetype end = scanner.scanRecord(pos, fields);
        if (end == window.bytes().size() && !window.atEnd()) {
            window.more(pos); // the record may go on
            continue;
        }
        onRecord(scanner, row++, fields, pos, end);
        pos = end;
    }
}

} // namespace

CsvReader::Outline CsvReader::outline(const Source &source)
{
    Window window(source);
    qsizetype pos = textStart(window);
    Outline outline;
    outline.delimiter = delimiterOf(window, pos);
    forEachRecord(window, pos, outline.delimiter, true,
                  [&](const CsvScanner &scanner, int, const std::vector<CsvScanner::Field> &fields,
                      qsizetype begin, qsizetype end) {
                      outline.utf8 = outline.utf8 && isValidUtf8(window.bytes().sliced(begin, end - begin));
                      outline.cols = std::max<qint64>(outline.cols, qint64(fields.size()));
                      ++outline.rows;
                      outline.fields += qint64(fields.size());
                      for (const CsvScanner::Field &field : fields)
                          outline.filled += scanner.isEmpty(field) ? 0 : 1;
                  });
    return outline;
}

void CsvReader::read(const Source &source, const Outline &outline,
                     const std::function<void(int col, int row, QString &&text)> &visit)
{
    Window window(source);
    forEachRecord(window, textStart(window), outline.delimiter, outline.utf8,
                  [&](const CsvScanner &scanner, int row, const std::vector<CsvScanner::Field> &fields,
                      qsizetype, qsizetype) {
                      for (std::size_t col = 0; col < fields.size(); ++col)
                          visit(int(col), row, scanner.text(fields[col]));
                  });
}

CsvReader::Source CsvReader::sourceOf(QByteArrayView bytes)
{
    auto offset = std::make_shared<qsizetype>(0);
    return [bytes, offset](char *data, qsizetype size) {
        const qsizetype count = std::min(size, bytes.size() - *offset);
        if (count > 0)
            std::memcpy(data, bytes.data() + *offset, std::size_t(count));
        *offset += count;
        return count;
    };
}

QList<QStringList> CsvReader::records(QByteArrayView bytes)
{
    const Outline found = outline(sourceOf(bytes));
    QList<QStringList> records;
    read(sourceOf(bytes), found, [&](int col, int, QString &&text) {
        if (col == 0)
            records.append(QStringList());
        records.last().append(std::move(text));
    });
    return records;
}

int CsvReader::countDelimiter(QByteArrayView line, char candidate)
{
    int count = 0;
    qsizetype rest = 0; // where the remaining text starts
    const qsizetype last = line.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        if (line[i] != candidate)
            continue;
        const bool inside = i > rest && i < last && line[i - 1] != candidate && line[i + 1] != candidate;
        if (i == last || inside) {
            ++count;
            rest = i + 1;
        }
    }
    return count;
}

char CsvReader::detectDelimiter(QByteArrayView firstLine, QByteArrayView secondLine)
{
    char winner = 0;
    int best = 0;
    for (char candidate : {',', ';', '#', '\t', '|'}) {
        const int count = countDelimiter(firstLine, candidate);
        if (count == countDelimiter(secondLine, candidate) && count > best) {
            best = count;
            winner = candidate;
        }
    }
    return winner;
}

bool CsvReader::isValidUtf8(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto lead = quint8(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        quint32 code = 0;
        quint32 smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07u, smallest = 0x10000;
        } else {
            return false;
        }
        if (n - i < length)
            return false;
        for (int j = 1; j < length; ++j) {
            const auto next = quint8(bytes[i + j]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}
