#include "about/aboutsettings.h"

#include "about/aboutbox.h"
#include "about/aboutlayout.h"
#include "about/aboutpicture.h"
#include "about/abouttexts.h"
#include "about/explodeanimation.h"
#include "platform/core/programversion.h"
#include "platform/core/systeminfo.h"
#include "platform/gui/platformoutliner.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QWindow>

namespace {

// The icon at its own size, at most 32 x 32.
QImage iconImage(const QIcon &icon)
{
    QImage image = icon.pixmap(QSize(32, 32), 1.0).toImage();
    if (image.isNull()) {
        image = QImage(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
    }
    return image;
}

// The box's frame is known only once it is shown; the owner's frame, made
// by the same window manager, stands in for it.
QMargins frameEstimate(const QWidget *owner)
{
    if (owner == nullptr || owner->window()->windowHandle() == nullptr)
        return {};
    return owner->window()->windowHandle()->frameMargins();
}

} // namespace

bool AboutSettings::execute(QWidget *owner) const
{
    AboutContent content;
    content.caption = captionTitle;
    content.texts = aboutTexts({appName, version, description, copyright}, useResInfo,
                               programVersionStrings(), QCoreApplication::applicationName());
    content.system = systemTexts(hostSystemInfo());
    content.picture = aboutPicture(iconImage(icon.isNull() ? QApplication::windowIcon() : icon),
                                   QApplication::palette().color(QPalette::Button));
    content.titlePointSize = appNameSize;
    content.emailGiven = !email.isEmpty();

    AboutBox box(content, frameEstimate(owner), owner);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint place = screen.topLeft() + aboutBoxPosition(box.outerSize(), screen.size());
    box.move(place);
    if (effect == Effect::ExplodeExt) {
        if (const auto outliner = platformScreenOutliner())
            ExplodeAnimation::run(*outliner, Edges::of(QRect(place, box.outerSize())), QCursor::pos(),
                                  effectDelay);
    }
    box.exec();
    return true;
}
