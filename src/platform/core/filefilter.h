#pragma once

#include <QString>
#include <QStringList>

// One choice of a file dialog's type list: "SPL Files" with "*.spl".
struct FileFilter {
    QString name;
    QStringList patterns;
};
