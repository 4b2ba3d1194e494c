#include "platform/core/programfolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    // applicationDirPath() reads the executable's own path (/proc/self/exe),
    // not the current directory.
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
