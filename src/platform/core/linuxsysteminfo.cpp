#include "platform/core/linuxsysteminfo.h"

#include <QFile>

#include <algorithm>

#include <unistd.h>

namespace {

// /proc files report a size of 0, so they are read to their end.
QByteArray cpuinfo()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The value of the first "key : value" line whose key is `key`.
QByteArray firstValue(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon >= 0 && line.left(colon).trimmed() == key)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

} // namespace

std::uint64_t LinuxSystemInfo::totalPhysicalMemory() const
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return std::uint64_t(pages) * std::uint64_t(pageSize);
}

int LinuxSystemInfo::processorCount() const
{
    return int(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

QString LinuxSystemInfo::processorModelName() const
{
    return modelNameIn(cpuinfo());
}

int LinuxSystemInfo::processorType() const
{
    return typeCodeIn(cpuinfo());
}

QString LinuxSystemInfo::modelNameIn(const QByteArray &cpuinfo)
{
    return QString::fromUtf8(firstValue(cpuinfo, "model name")).simplified();
}

int LinuxSystemInfo::typeCodeIn(const QByteArray &cpuinfo)
{
    bool ok = false;
    const int family = firstValue(cpuinfo, "cpu family").toInt(&ok);
    if (!ok || family < 3)
        return 0;
    return family == 3 ? 386 : family == 4 ? 486 : 586;
}

const SystemInfo &hostSystemInfo()
{
    static const LinuxSystemInfo host;
    return host;
}
