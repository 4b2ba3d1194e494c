#include "platform/gui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

QPoint centredPosition(const QSize &outer, const QRect &area)
{
    return {std::max(area.left(), area.left() + (area.width() - outer.width()) / 2),
            std::max(area.top(), area.top() + (area.height() - outer.height()) / 2)};
}

void FirstShowPlacement::windowShown(QWidget *window)
{
    if (placed_)
        return;
    placed_ = true;
    const QMargins frame =
        window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
    if (outerSize_.isValid())
        window->resize(outerSize_.width() - frame.left() - frame.right(),
                       outerSize_.height() - frame.top() - frame.bottom());
    QScreen *screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = area_ == Area::Desktop ? screen->virtualGeometry() : screen->geometry();
    const QSize outer = window->size().grownBy(frame);
    window->move(centredPosition(outer, area));
}
