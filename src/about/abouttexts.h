#pragma once

#include <QString>

struct VersionStrings;
class SystemInfo;

// The four lines of the column beside the picture; an empty one is not shown.
struct AboutTexts {
    QString title;
    QString version;
    QString description;
    QString copyright;

    friend bool operator==(const AboutTexts &, const AboutTexts &) = default;
};

// The texts the settings give, with the fallbacks for blank ones: the
// program's version strings when `useResInfo` is on, the application title
// or nothing when it is off.
[[nodiscard]] AboutTexts aboutTexts(const AboutTexts &given, bool useResInfo, const VersionStrings &version,
                                    const QString &applicationTitle);

// The two columns of the system-information block, lines parted by "\r".
struct SystemTexts {
    QString captions;
    QString values;
};

[[nodiscard]] SystemTexts systemTexts(const SystemInfo &system);

// The name shown for a processor type code; a code outside the known ones
// as its decimal number.
[[nodiscard]] QString processorTypeName(int typeCode);
