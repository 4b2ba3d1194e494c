#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces a whole file with `bytes` through a temporary file in the same
// folder, so the file is either the old one or the new one, never half of
// each. Failures raise EInOutError with the code of the failing step.
// With `directWriteFallback`, a folder that refuses the temporary file is
// written to directly when the file itself is writable.
// A file that a replacement would change in more than its content (a second
// hard link, a symbolic link, another owner) is written in place instead:
// the whole content, cut to its length and flushed, so its links, owner and
// mode stay.
void writeWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback = false);

// The same for a caller with errors of its own: a file that cannot be
// opened or created calls `openFailed`, a failed write `writeFailed`; both
// get the I/O error code and must raise.
struct WholeFileErrors {
    std::function<void(int code)> openFailed;
    std::function<void(int code)> writeFailed;
};
void writeWholeFile(const QString &path, const QByteArray &bytes, const WholeFileErrors &errors);
