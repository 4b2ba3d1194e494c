#include "platform/core/savefile.h"

#include "platform/core/checkedfile.h"
#include "platform/core/exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

// Whether replacing the file by a new one would lose what the user set up.
bool mustKeepFile(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    if (S_ISLNK(info.st_mode))
        return true;
    return S_ISREG(info.st_mode) && (info.st_nlink > 1 || info.st_uid != ::geteuid());
}

// The I/O error of a step, handed to the caller's own error.
template <class F> void step(F &&code, const std::function<void(int)> &failed)
{
    try {
        code();
    } catch (const EInOutError &error) {
        if (failed)
            failed(error.errorCode());
        throw;
    }
}

void writeInPlace(const QString &path, const QByteArray &bytes, const WholeFileErrors &errors)
{
    CheckedFile file;
    step([&] { file.openExisting(path); }, errors.openFailed);
    step(
        [&] {
            file.writeAt(0, bytes.constData(), bytes.size());
            file.truncate(bytes.size());
            file.flush();
            file.close();
        },
        errors.writeFailed);
}

void replace(const QString &path, const QByteArray &bytes, bool directWriteFallback,
             const WholeFileErrors &errors)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(directWriteFallback);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        step([&] { throw EInOutError(failureCode(errno, path, kOpenFailed)); }, errors.openFailed);
    const auto writeFailed = [&] {
        step([&] { throw EInOutError(failureCode(errno, path, kWriteFailed)); }, errors.writeFailed);
    };
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        writeFailed();
    // Some file systems report a full disk only when the data goes out, and
    // commit() ignores that answer, so sync first and check.
    int syncResult;
    do {
        syncResult = ::fsync(file.handle());
    } while (syncResult != 0 && errno == EINTR);
    if (syncResult != 0)
        writeFailed();
    errno = 0;
    if (!file.commit())
        writeFailed();
    syncFolder(path);
}

} // namespace

void writeWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback)
{
    if (mustKeepFile(path))
        writeInPlace(path, bytes, {});
    else
        replace(path, bytes, directWriteFallback, {});
}

void writeWholeFile(const QString &path, const QByteArray &bytes, const WholeFileErrors &errors)
{
    if (mustKeepFile(path))
        writeInPlace(path, bytes, errors);
    else
        replace(path, bytes, false, errors);
}
