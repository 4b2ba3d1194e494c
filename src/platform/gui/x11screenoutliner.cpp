#include "platform/gui/x11screenoutliner.h"

#include <cmath>

// Xlib's macros (None, Bool, Status, ...) stay out of every other file.
#include <X11/Xlib.h>

X11ScreenOutliner::X11ScreenOutliner(_XDisplay *display, qreal devicePixelRatio)
    : display_(display), root_(DefaultRootWindow(display)), ratio_(devicePixelRatio)
{
    XGCValues values{};
    values.function = GXinvert;
    values.subwindow_mode = IncludeInferiors;
    values.line_style = LineOnOffDash;
    values.line_width = 0;
    gc_ = XCreateGC(display_, root_, GCFunction | GCSubwindowMode | GCLineStyle | GCLineWidth, &values);
    // One pixel on, one off, like a focus rectangle.
    const char dashes[] = {1, 1};
    XSetDashes(display_, gc_, 0, dashes, 2);
}

X11ScreenOutliner::~X11ScreenOutliner()
{
    XFreeGC(display_, gc_);
    XFlush(display_);
}

void X11ScreenOutliner::invertOutline(const QRect &rect)
{
    const auto device = [this](int v) { return int(std::lround(v * ratio_)); };
    const int left = device(rect.left());
    const int top = device(rect.top());
    const int width = device(rect.left() + rect.width()) - left;
    const int height = device(rect.top() + rect.height()) - top;
    if (width <= 0 || height <= 0)
        return;
    // XDrawRectangle covers width + 1 by height + 1 pixels.
    XDrawRectangle(display_, root_, gc_, left, top, unsigned(width - 1), unsigned(height - 1));
    XFlush(display_);
}
