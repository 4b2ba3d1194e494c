#include "platform/core/programversion.h"

VersionStrings programVersionStrings()
{
    return {QStringLiteral("Dere Davovo"), QStringLiteral(DAVOVO_VERSION),
            QStringLiteral("Colour table editor for Aeroth SPL and PAL files"),
            QStringLiteral("Copyright (c) the Dere Davovo developers")};
}
