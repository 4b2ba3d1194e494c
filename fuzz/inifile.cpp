// The INI reader and writer: any file content, one key written, read back.
// The key must hold the value, and every other line of the file must stay
// as it was, in its order.

#include "platform/core/inifile.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString kSection = QStringLiteral("settings");
const QString kKey = QStringLiteral("startdir");

QString scratchPath()
{
    static const QString path = QStringLiteral("/tmp/davovo-fuzz-%1.ini").arg(::getpid());
    return path;
}

QList<QByteArray> linesOf(const QByteArray &data)
{
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

bool sameLine(const QByteArray &a, const QByteArray &b)
{
    return a == b || a + '\r' == b || a == b + '\r';
}

// A "startdir=..." line, the name compared without regard to case or blanks.
bool isKeyLine(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 && line.left(equals).trimmed().toLower() == kKey.toUtf8();
}

// The new file is the old one with the key's line replaced or added, and at
// most the section's header added.
bool keepsOtherLines(const QByteArray &before, const QByteArray &after, const QByteArray &keyLine)
{
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    qsizetype i = 0;
    qsizetype j = 0;
    int replaced = 0;
    int added = 0;
    while (i < old.size() || j < now.size()) {
        if (i < old.size() && j < now.size() && sameLine(old[i], now[j])) {
            ++i;
            ++j;
        } else if (j < now.size() && sameLine(now[j], keyLine)) {
            ++j;
            if (i < old.size() && isKeyLine(old[i])) {
                ++i;
                ++replaced;
            } else {
                ++added;
            }
        } else if (j < now.size() && sameLine(now[j], "[" + kSection.toUtf8() + "]")) {
            ++j;
            ++added;
        } else {
            return false;
        }
    }
    return replaced + added <= 2 && replaced <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first line is the value to write, the rest the file.
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\n');
    const QString value = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QByteArray content = split < 0 ? QByteArray() : input.mid(split + 1);
    {
        QFile file(scratchPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            std::abort();
    }
    const IniFile ini(scratchPath());
    (void)ini.readString(kSection, kKey, QString());
    if (!ini.writeString(kSection, kKey, value)) {
        if (IniFile::isStorable(kSection, kKey, value))
            std::abort(); // a storable value in a writable file must be stored
        return 0;
    }
    if (ini.readString(kSection, kKey, QString()) != value.left(IniFile::maxValueLength))
        std::abort();
    QFile file(scratchPath());
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    if (!keepsOtherLines(content, file.readAll(), kKey.toUtf8() + '=' + value.toUtf8()))
        std::abort();
    return 0;
}
