#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The fields of a CSV text, read in two passes from a source of bytes that
// can be read again from its start: outline() finds the delimiter, the
// encoding and the extent, read() then hands out the texts. Only the record
// being read is held, so a file costs memory for its cells, not for itself.
//
// Bytes: UTF-8 when the whole text is valid UTF-8, Latin-1 otherwise; a
// UTF-8 byte-order mark at the start is dropped either way.
//
// Lines end at CR LF, at LF and at a lone CR (the line end is no part of the
// line); the text after the last line end is a line only when it is not
// empty.
//
// The delimiter is the first of ",", ";", "#", TAB, "|" that occurs as often
// in the first line as in the second, more often than any earlier candidate,
// counted by countDelimiter(). A text of one line has none; without a
// delimiter every line is one field.
//
// Records: each line is one record, field k of record n going into column k
// of row n, except that a field opened by a double quote runs to its closing
// quote (a quote that is not doubled) across line ends: the record then
// takes in the lines up to that quote. In that field two quotes stand for
// one and the delimiter after the closing quote ends it; text between the
// closing quote and the delimiter is kept as it stands. Any other field runs
// to the next delimiter. The last field of a record runs to the line end (or
// to the end of the text when its quote never closes) and loses one leading
// and one trailing quote, and its doubled quotes stand for one. A line end
// inside a field becomes CR LF, the grid's line break.
class CsvReader {
public:
    // Fills `data` with up to `size` bytes of the text, returns how many, 0
    // at its end.
    using Source = std::function<qsizetype(char *data, qsizetype size)>;

    struct Outline {
        char delimiter = 0; // 0 for none
        bool utf8 = true;
        qint64 cols = 0;   // fields of the longest record
        qint64 rows = 0;   // records
        qint64 fields = 0; // empty ones included
        qint64 filled = 0; // fields whose text is not empty
    };

    // The first pass, over the whole text.
    [[nodiscard]] static Outline outline(const Source &source);
    // The second pass, over the text from its start again: calls
    // `visit(col, row, text)` for every field in file order, with the
    // delimiter and encoding of the outline.
    static void read(const Source &source, const Outline &outline,
                     const std::function<void(int col, int row, QString &&text)> &visit);

    // A source over bytes in memory, from their start.
    [[nodiscard]] static Source sourceOf(QByteArrayView bytes);
    // Every record's field texts; for small texts.
    [[nodiscard]] static QList<QStringList> records(QByteArrayView bytes);

    // How often a candidate delimiter occurs in a line: the first occurrence
    // that is the last character of the rest of the line, or that is not its
    // first character and has no candidate on either side, counts; the rest
    // after it is searched again.
    [[nodiscard]] static int countDelimiter(QByteArrayView line, char candidate);
    // 0 when no candidate wins.
    [[nodiscard]] static char detectDelimiter(QByteArrayView firstLine, QByteArrayView secondLine);
    // Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
    [[nodiscard]] static bool isValidUtf8(QByteArrayView bytes);
};
