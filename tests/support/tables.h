#pragma once

#include "colour/colourtable.h"

#include <QByteArray>

// The colour table whose 984 bytes are `bytes`, in file order.
inline ColourTable tableOf(const QByteArray &bytes)
{
    Q_ASSERT(bytes.size() == ColourTable::kByteCount);
    ColourTable table;
    for (int n = 0; n < ColourTable::kByteCount; ++n)
        table.setByte(n / ColourTable::kEntrySize, n % ColourTable::kEntrySize, quint8(bytes.at(n)));
    return table;
}
