#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// The fields of the CSV records in bytes held in memory, as CsvReader
// describes them: where each field lies, and its text.
class CsvScanner {
public:
    struct Field {
        enum class Kind { Plain, Quoted, Last };
        qsizetype begin = 0;
        qsizetype end = 0;
        Kind kind = Kind::Plain;
    };

    // `delimiter` 0 for none; the bytes must outlive the scanner.
    CsvScanner(QByteArrayView bytes, char delimiter, bool utf8)
        : bytes_(bytes), delimiter_(delimiter), utf8_(utf8)
    {
    }

    // Replaces `fields` with those of the record that starts at `pos` and
    // returns where the next record starts: the end of the bytes when the
    // record reaches it (so it may go on in bytes not yet read).
    qsizetype scanRecord(qsizetype pos, std::vector<Field> &fields) const;
    [[nodiscard]] QString text(const Field &field) const;
    [[nodiscard]] bool isEmpty(const Field &field) const;

private:
    // The field at `pos`; `next` is where the following field or record
    // starts, `recordEnds` tells which.
    [[nodiscard]] Field scanField(qsizetype pos, qsizetype &next, bool &recordEnds) const;
    [[nodiscard]] qsizetype closingQuote(qsizetype pos) const;
    [[nodiscard]] qsizetype lineEndAfter(qsizetype pos) const;
    [[nodiscard]] QString decode(QByteArrayView bytes) const;
    // The bytes with every line end made CR LF.
    [[nodiscard]] static QByteArray withGridBreaks(QByteArrayView bytes);

    QByteArrayView bytes_;
    char delimiter_;
    bool utf8_;
};
