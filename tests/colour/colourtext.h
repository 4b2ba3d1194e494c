#pragma once

#include "colour/rgb.h"

#include <QString>
#include <QStringList>

#include <vector>

// Colours as one line of text for test tables: "255 0 0, 1 2 3".
inline QString describe(const std::vector<Rgb> &colours)
{
    QStringList parts;
    for (const Rgb &c : colours)
        parts << QStringLiteral("%1 %2 %3").arg(c.red).arg(c.green).arg(c.blue);
    return parts.join(QStringLiteral(", "));
}

inline QString describe(Rgb colour)
{
    return describe(std::vector<Rgb>{colour});
}

// The colour "r g b" of a test table.
inline Rgb rgbOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    Q_ASSERT(parts.size() == 3);
    return {quint8(parts[0].toInt()), quint8(parts[1].toInt()), quint8(parts[2].toInt())};
}
