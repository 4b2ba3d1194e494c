#pragma once

#include <QString>

// The program's own version strings, built into it. An entry the program
// does not carry is empty.
struct VersionStrings {
    QString productName;
    QString productVersion;
    QString fileDescription;
    QString legalCopyright;
};

[[nodiscard]] VersionStrings programVersionStrings();
