#pragma once

#include "platform/gui/screenoutliner.h"

struct _XDisplay;
struct _XGC;

// Inverted outlines on the X root window, drawn through the windows above
// it, on the connection Qt itself uses.
class X11ScreenOutliner : public ScreenOutliner {
public:
    X11ScreenOutliner(_XDisplay *display, qreal devicePixelRatio);
    ~X11ScreenOutliner() override;
    X11ScreenOutliner(const X11ScreenOutliner &) = delete;
    X11ScreenOutliner &operator=(const X11ScreenOutliner &) = delete;

    void invertOutline(const QRect &rect) override;

private:
    _XDisplay *display_;
    unsigned long root_;
    _XGC *gc_;
    qreal ratio_;
};
