#pragma once

#include <QRect>

// Draws outlines across the whole screen, over every window, that invert
// what lies under them: drawing the same outline again erases it.
class ScreenOutliner {
public:
    virtual ~ScreenOutliner() = default;

    // Inverts a dotted one-pixel outline just inside `rect` (screen
    // coordinates) and sends it to the screen at once.
    virtual void invertOutline(const QRect &rect) = 0;
};
