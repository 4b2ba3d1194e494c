#pragma once

#include "platform/gui/screenoutliner.h"

#include <memory>

// The outliner of the platform Qt runs on, or none where the platform gives
// no way to draw across the screen (offscreen, Wayland).
[[nodiscard]] std::unique_ptr<ScreenOutliner> platformScreenOutliner();
