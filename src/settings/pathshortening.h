#pragma once

#include <QString>

// Shortens `path` for a one-line display of at most `limit` characters by
// replacing leading folders with "...": "C:\Program Files\Flight
// Models\Scenery\Palettes\Spring" becomes "C:\...\Scenery\Palettes\Spring"
// for 40, "/home/user/aeroth/scenery/palettes/spring" becomes
// "/.../scenery/palettes/spring" for 30. The name after the last separator is
// never cut, so the result can stay longer than the limit. "/", "\" and ":"
// all end a folder; a leading "X:" is a drive, dropped last.
[[nodiscard]] QString shortenPath(const QString &path, qsizetype limit);
