#pragma once

#include "platform/core/systeminfo.h"

#include <QByteArray>

// The figures from sysconf and /proc/cpuinfo.
class LinuxSystemInfo : public SystemInfo {
public:
    [[nodiscard]] std::uint64_t totalPhysicalMemory() const override;
    [[nodiscard]] int processorCount() const override;
    [[nodiscard]] QString processorModelName() const override;
    [[nodiscard]] int processorType() const override;

    // The first "model name" of a /proc/cpuinfo text, trimmed; empty when
    // there is none.
    [[nodiscard]] static QString modelNameIn(const QByteArray &cpuinfo);
    // The type code from the first "cpu family" of an x86 /proc/cpuinfo text:
    // family 3 is a 386, 4 a 486, 5 and later report 586 as the x86 family's
    // later processors always have; 0 without a family.
    [[nodiscard]] static int typeCodeIn(const QByteArray &cpuinfo);
};
