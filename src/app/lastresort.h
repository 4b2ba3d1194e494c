#pragma once

#include <QString>

#include <exception>

// A failure outside the event loop (while the windows are being made) that
// no handler caught: shown in the "Application Error" box, after which the
// program ends with exit code 1.

// "Exception <class> in module <file> at <offset>.\n<message>[.]"
[[nodiscard]] QString lastResortText(const QString &className, const QString &module, quintptr offset,
                                     const QString &message);

// Shows the box for `error`.
void showLastResort(std::exception_ptr error);
