#include "about/abouttexts.h"

#include "platform/core/programversion.h"
#include "platform/core/systeminfo.h"

#include <algorithm>

namespace {

// Blank is empty or spaces only; other white space counts as text.
bool isBlank(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

// Bytes to KB, rounded to the nearest, halves to even.
std::uint64_t kilobytes(std::uint64_t bytes)
{
    const std::uint64_t whole = bytes / 1024;
    const std::uint64_t rest = bytes % 1024;
    return whole + (rest > 512 || (rest == 512 && whole % 2 == 1) ? 1 : 0);
}

} // namespace

AboutTexts aboutTexts(const AboutTexts &given, bool useResInfo, const VersionStrings &version,
                      const QString &applicationTitle)
{
    AboutTexts texts = given;
    if (isBlank(texts.title))
        texts.title = useResInfo ? version.productName : applicationTitle;
    // The version and copyright lines count as blank only when empty.
    if (texts.version.isEmpty() && useResInfo)
        texts.version = QStringLiteral("Version ") + version.productVersion;
    if (isBlank(texts.description))
        texts.description = useResInfo ? version.fileDescription : QString();
    if (texts.copyright.isEmpty() && useResInfo)
        texts.copyright = QLatin1Char('\r') + version.legalCopyright;
    return texts;
}

SystemTexts systemTexts(const SystemInfo &system)
{
    QString name = system.processorModelName();
    if (name.isEmpty())
        name = processorTypeName(system.processorType());
    return {QStringLiteral("Available Memory:\rPlatform, CPU:"),
            QStringLiteral("%1 KB\r%2x %3 or compatible")
                .arg(QString::number(kilobytes(system.totalPhysicalMemory())),
                     QString::number(system.processorCount()), name)};
}

QString processorTypeName(int typeCode)
{
    switch (typeCode) {
    case 386:
        return QStringLiteral("Intel 386");
    case 486:
        return QStringLiteral("Intel 486");
    case 586:
        return QStringLiteral("Intel Pentium");
    case 2000:
    case 3000:
    case 4000:
        return QStringLiteral("Mips R") + QString::number(typeCode);
    case 21064:
        return QStringLiteral("Alpha 21064");
    default:
        return QString::number(typeCode);
    }
}
