#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QString>

// What the benchmarks share: timing and the process's memory.

// The average time of `work` over `runs` runs, in milliseconds, after one
// warm-up run (fonts, glyph caches).
template <class F> double averageMs(int runs, F &&work)
{
    work();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

// The resident memory as /proc reports it ("33416 kB").
inline QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QString text = QString::fromLatin1(status.readAll());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+ kB)")).match(text);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("unknown");
}
