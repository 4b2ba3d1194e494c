#include "app/application.h"

#include "platform/core/exceptions.h"
#include "platform/gui/errorreporting.h"

#include <QIcon>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

DavovoApplication::DavovoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    initResources();
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
    initResources();
    return QIcon(QStringLiteral(":/davovo.xpm"));
}
