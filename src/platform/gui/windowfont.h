#pragma once

#include <QFont>

// The font of the program's windows and grid: "MS Sans Serif" at 11 pixels.
// The name stays what the program asks for; where no such font is installed
// it stands for FreeSans, whose widths at this size come closest, so the
// texts fit the places laid out for them.
[[nodiscard]] QFont windowFont();
