#pragma once

#include <QString>

// The folder of the running executable, with a trailing "/": the settings
// and notes files lie there, wherever the program was started from.
[[nodiscard]] QString programFolder();
