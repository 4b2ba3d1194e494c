#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Places a window the first time it is shown: its outer size (frame
// included, where the frame is known) and centred on its screen or on the
// whole desktop. Afterwards it reopens where the user left it.
class FirstShowPlacement {
public:
    enum class Area { Screen, Desktop };

    explicit FirstShowPlacement(Area area, QSize outerSize = {}) : area_(area), outerSize_(outerSize) {}

    // Call from the window's showEvent.
    void windowShown(QWidget *window);

private:
    Area area_;
    QSize outerSize_;
    bool placed_ = false;
};

// The left-top point that centres `outer` in `area`, never left of or above
// the area's corner.
[[nodiscard]] QPoint centredPosition(const QSize &outer, const QRect &area);
