#pragma once

#include <QByteArray>
#include <QString>

// Replaces a whole file with `bytes` through a temporary file in the same
// folder, so the file is either the old one or the new one, never half of
// each. Failures raise EInOutError with the code of the failing step.
// With `directWriteFallback`, a folder that refuses the temporary file is
// written to directly when the file itself is writable.
void writeWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback = false);
