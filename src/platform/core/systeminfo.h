#pragma once

#include <QString>

#include <cstdint>

// The machine's figures that the About box shows. Every call reads them
// afresh, so a box built later shows the state of that moment.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    [[nodiscard]] virtual std::uint64_t totalPhysicalMemory() const = 0; // in bytes
    [[nodiscard]] virtual int processorCount() const = 0;
    // The processor's own name where the system gives one, else empty.
    [[nodiscard]] virtual QString processorModelName() const = 0;
    // The processor's type code: 386, 486 or 586 for the x86 family, 0 when
    // the system gives none.
    [[nodiscard]] virtual int processorType() const = 0;
};

// The figures of the machine the program runs on.
[[nodiscard]] const SystemInfo &hostSystemInfo();
