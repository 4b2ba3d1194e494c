#include "platform/savefile.h"

#include "platform/checkedfile.h"
#include "platform/exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The I/O error for a failed step. QSaveFile reports no code of its own, so
// the errno left by the failing system call picks one where it says
// something definite; anything else gets the step's usual code.
int failureCode(int posixErrno, const QString &path, int stepCode)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return CheckedFile::ioErrorCode(ENOENT, path); // invalid filename
    switch (posixErrno) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOTDIR:
    case ENAMETOOLONG:
    case EMFILE:
    case ENFILE:
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return CheckedFile::ioErrorCode(posixErrno, path);
    default:
        return stepCode;
    }
}

constexpr int kOpenFailed = 5;
constexpr int kWriteFailed = 101;

// Makes the rename itself durable; the new file is complete either way, so a
// folder that cannot be synced is no failure.
void syncFolder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void writeWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(directWriteFallback);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(failureCode(errno, path, kOpenFailed));

    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw EInOutError(failureCode(errno, path, kWriteFailed));
    // Some file systems report a full disk only when the data goes out, and
    // commit() ignores that answer, so sync first and check.
    int syncResult;
    do {
        syncResult = ::fsync(file.handle());
    } while (syncResult != 0 && errno == EINTR);
    if (syncResult != 0)
        throw EInOutError(failureCode(errno, path, kWriteFailed));

    errno = 0;
    if (!file.commit())
        throw EInOutError(failureCode(errno, path, kWriteFailed));
    syncFolder(path);
}
