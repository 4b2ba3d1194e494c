#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The lines of a text palette, one at a time: split at LF, CR LF or CR,
// numbered from 1, a UTF-8 byte order mark at the start skipped.
class PaletteText {
public:
    explicit PaletteText(const QByteArray &bytes);

    [[nodiscard]] bool atEnd() const { return pos_ >= bytes_.size(); }
    // The next line without its line break; empty past the end.
    [[nodiscard]] QByteArray next();
    // The number of the line `next()` returned last.
    [[nodiscard]] int lineNumber() const { return line_; }

    struct Rgb {
        quint8 red = 0;
        quint8 green = 0;
        quint8 blue = 0;
        QByteArray rest; // what follows the numbers, blanks around it removed
    };
    // Three decimal numbers from 0 to 255 separated by blanks (spaces or
    // tabs), then nothing or a blank and the rest of the line.
    [[nodiscard]] static std::optional<Rgb> rgb(const QByteArray &line);

    // The bytes that `digits` spell as pairs of hex digits of either case;
    // nothing where it holds anything else or an odd number of digits.
    [[nodiscard]] static std::optional<QByteArray> hexBytes(const QByteArray &digits);

    // A line as an error message shows it: in apostrophes, long ones cut.
    [[nodiscard]] static QString quoted(const QByteArray &line);

private:
    QByteArray bytes_;
    qsizetype pos_ = 0;
    int line_ = 0;
};
