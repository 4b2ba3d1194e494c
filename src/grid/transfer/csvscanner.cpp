#include "grid/transfer/csvscanner.h"

#include "platform/core/linebreaks.h"

namespace {

constexpr char kQuote = '"';

QByteArray undoubled(QByteArrayView bytes)
{
    return bytes.toByteArray().replace("\"\"", "\"");
}

} // namespace

qsizetype CsvScanner::scanRecord(qsizetype pos, std::vector<Field> &fields) const
{
    fields.clear();
    bool recordEnds = false;
    while (!recordEnds) {
        qsizetype next = 0;
        fields.push_back(scanField(pos, next, recordEnds));
        pos = next;
    }
    return pos;
}

CsvScanner::Field CsvScanner::scanField(qsizetype pos, qsizetype &next, bool &recordEnds) const
{
    const qsizetype n = bytes_.size();
    const bool quoted = pos < n && bytes_[pos] == kQuote;
    qsizetype end = pos;
    if (quoted) {
        const qsizetype close = closingQuote(pos + 1);
        if (close == n) {
            next = n;
            recordEnds = true;
            return {pos, n, Field::Kind::Last};
        }
        end = close + 1;
    }
    const char *data = bytes_.data();
    const char delimiter = delimiter_;
    if (delimiter != 0) {
        while (end < n && data[end] != delimiter && data[end] != '\n' && data[end] != '\r')
            ++end;
    } else {
        while (end < n && data[end] != '\n' && data[end] != '\r')
            ++end;
    }
    recordEnds = delimiter == 0 || end == n || data[end] != delimiter;
    next = recordEnds ? lineEndAfter(end) : end + 1;
    const Field::Kind kind = recordEnds ? Field::Kind::Last
                             : quoted   ? Field::Kind::Quoted
                                        : Field::Kind::Plain;
    return {pos, end, kind};
}

// The closing quote of a quoted field whose text starts at `pos`, or the
// end of the bytes when none follows.
qsizetype CsvScanner::closingQuote(qsizetype pos) const
{
    const qsizetype n = bytes_.size();
    while (pos < n) {
        if (bytes_[pos] != kQuote)
            ++pos;
        else if (pos + 1 < n && bytes_[pos + 1] == kQuote)
            pos += 2;
        else
            return pos;
    }
    return n;
}

qsizetype CsvScanner::lineEndAfter(qsizetype pos) const
{
    if (pos >= bytes_.size())
        return bytes_.size();
    const bool pair = bytes_[pos] == '\r' && pos + 1 < bytes_.size() && bytes_[pos + 1] == '\n';
    return pos + (pair ? 2 : 1);
}

QString CsvScanner::text(const Field &field) const
{
    QByteArrayView raw = bytes_.sliced(field.begin, field.end - field.begin);
    switch (field.kind) {
    case Field::Kind::Plain:
        return decode(raw);
    case Field::Kind::Quoted: {
        const qsizetype close = closingQuote(field.begin + 1);
        QByteArray content = undoubled(bytes_.sliced(field.begin + 1, close - field.begin - 1));
        content += bytes_.sliced(close + 1, field.end - close - 1);
        return decode(withGridBreaks(content));
    }
    case Field::Kind::Last:
        break;
    }
    if (raw.startsWith(kQuote))
        raw = raw.sliced(1);
    if (raw.endsWith(kQuote))
        raw.chop(1);
    if (!raw.contains(kQuote) && !raw.contains('\n') && !raw.contains('\r'))
        return decode(raw);
    return decode(withGridBreaks(undoubled(raw)));
}

bool CsvScanner::isEmpty(const Field &field) const
{
    const qsizetype length = field.end - field.begin;
    switch (field.kind) {
    case Field::Kind::Plain:
        return length == 0;
    case Field::Kind::Quoted:
        return length == 2; // just the two quotes
    case Field::Kind::Last:
        break;
    }
    const QByteArrayView raw = bytes_.sliced(field.begin, length);
    return raw.isEmpty() || raw == "\"" || raw == "\"\"";
}

QString CsvScanner::decode(QByteArrayView bytes) const
{
    return utf8_ ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

QByteArray CsvScanner::withGridBreaks(QByteArrayView bytes)
{
    return withLineBreaks(bytes, "\r\n");
}
