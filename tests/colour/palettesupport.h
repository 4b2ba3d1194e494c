#pragma once

#include "colour/palette.h"
#include "colour/paletteerror.h"

#include <QString>
#include <QStringList>

// A palette as one line of text, "255 0 0 -, 1 2 3 4": red, green, blue and
// the fourth byte, "-" where the format keeps none.
inline QString describe(const Palette &palette)
{
    QStringList colours;
    for (const Palette::Colour &c : palette.colours()) {
        colours << QStringLiteral("%1 %2 %3 %4")
                       .arg(c.red)
                       .arg(c.green)
                       .arg(c.blue)
                       .arg(c.fourth ? QString::number(*c.fourth) : QStringLiteral("-"));
    }
    return colours.join(QStringLiteral(", "));
}

// The red, green and blue of every entry of `table`, without fourth bytes:
// what a format that keeps no fourth byte reads back.
inline Palette coloursOf(const ColourTable &table)
{
    Palette palette;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        palette.append({table.byte(entry, 0), table.byte(entry, 1), table.byte(entry, 2), std::nullopt});
    return palette;
}

// The message of the EPaletteError `code` raises, or "no error".
template <class F> QString paletteErrorOf(F &&code)
{
    try {
        code();
    } catch (const EPaletteError &e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

// What reading `bytes` with `read` gives: the colours as `describe` shows
// them, or the message of the EPaletteError raised.
template <class Read> QString readingOf(Read read, const QByteArray &bytes)
{
    try {
        return describe(read(bytes));
    } catch (const EPaletteError &e) {
        return e.message();
    }
}

// `count` colour lines "n n n" for a text palette, n counting from 0 (mod 256).
inline QByteArray colourLines(int count, const QByteArray &lineEnd)
{
    QByteArray lines;
    for (int n = 0; n < count; ++n) {
        const QByteArray v = QByteArray::number(n % 256);
        lines += v + ' ' + v + ' ' + v + lineEnd;
    }
    return lines;
}
