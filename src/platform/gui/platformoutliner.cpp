#include "platform/gui/platformoutliner.h"

#include "platform/gui/x11screenoutliner.h"

#include <QGuiApplication>

std::unique_ptr<ScreenOutliner> platformScreenOutliner()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr)
        return nullptr;
    return std::make_unique<X11ScreenOutliner>(x11->display(), qGuiApp->devicePixelRatio());
}
