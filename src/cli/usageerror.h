#pragma once

#include "platform/core/exceptions.h"

// A command line the tool cannot run: the message names the problem.
class UsageError : public Exception {
public:
    using Exception::Exception;
    [[nodiscard]] const char *className() const noexcept override { return "UsageError"; }
};
