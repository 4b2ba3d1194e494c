#pragma once

#include "platform/core/exceptions.h"

// A palette file that does not hold what its format says: the message names
// the line or the byte offset where it goes wrong.
class EPaletteError : public Exception {
public:
    using Exception::Exception;
    [[nodiscard]] const char *className() const noexcept override { return "EPaletteError"; }
};
