#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The default template names the folder after the application, whose title
// holds a "/".
TempDir::TempDir() : dir_(QDir::tempPath() + QStringLiteral("/davovo-XXXXXX"))
{
    if (!dir_.isValid())
        qFatal("Cannot make a temporary folder");
}

QString TempDir::path(const QString &name) const
{
    return dir_.filePath(name);
}

QString TempDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write a test file");
    return full;
}

QByteArray TempDir::read(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray TempDir::pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int n = 0; n < size; ++n)
        bytes[n] = char((n * 7 + 3) & 0xFF);
    return bytes;
}
