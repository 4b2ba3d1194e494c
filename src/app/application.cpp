#include "app/application.h"

#include "platform/core/exceptions.h"
#include "platform/gui/errorreporting.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The icon's design, compiled in: an image made from it needs neither a file
// nor the image format plugins, which reading one would load.
#include <davovo.xpm>

DavovoApplication::DavovoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // Made now, so reporting a lack of memory later needs none.
    static_cast<void>(outOfMemoryError());
    // The title is kept as the application name, not the display name, which
    // Qt would append to every window caption.
    setApplicationName(QString::fromLatin1(kTitle));
    setWindowIcon(programIcon());
    // Which window ends the program is decided by the windows themselves.
    setQuitOnLastWindowClosed(false);
}

bool DavovoApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

QIcon DavovoApplication::programIcon()
{
    static const QImage design(davovo);
    return QIcon(QPixmap::fromImage(design));
}
