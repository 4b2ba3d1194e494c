#include "platform/core/checkedfile.h"

#include "platform/core/exceptions.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kNotFound = 2;
constexpr int kInvalidName = 3;
constexpr int kTooManyFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kReadBeyondEnd = 100;
constexpr int kDiskFull = 101;
constexpr int kNotOpen = 103;

// Retries a system call that a signal interrupted before it did anything.
template <class Call> auto retried(Call call)
{
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

[[noreturn]] void raiseErrno(int posixErrno, const QString &path)
{
    throw EInOutError(CheckedFile::ioErrorCode(posixErrno, path));
}

} // namespace

CheckedFile::~CheckedFile()
{
    // Only reached with an open file when a failure ended the command; that
    // failure is the one to report, so a close error here is not.
    if (fd_ >= 0)
        ::close(fd_);
}

int CheckedFile::ioErrorCode(int posixErrno, const QString &path)
{
    switch (posixErrno) {
    case ENOENT: {
        // A missing folder on the way is a bad path, not a missing file. The
        // empty path names no file at all.
        if (path.isEmpty())
            return kInvalidName;
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return folder.isDir() ? kNotFound : kInvalidName;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
        return kInvalidName;
    case EMFILE:
    case ENFILE:
        return kTooManyFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return kDiskFull;
    default:
        return posixErrno;
    }
}

void CheckedFile::openExisting(const QString &path)
{
    open(path, O_RDWR);
}

void CheckedFile::create(const QString &path)
{
    open(path, O_RDWR | O_CREAT | O_TRUNC);
}

void CheckedFile::open(const QString &path, int flags)
{
    if (isOpen())
        close();
    path_ = path;
    const QByteArray name = QFile::encodeName(path);
    const int fd = retried([&] { return ::open(name.constData(), flags | O_CLOEXEC, 0666); });
    if (fd < 0)
        raiseErrno(errno, path);
    fd_ = fd;
}

void CheckedFile::readAt(qint64 offset, char *data, qint64 size)
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    // A regular file returns fewer bytes than asked only at its end; keep
    // reading after any other short count so only the end gives code 100.
    while (size > 0) {
        const ssize_t got = retried([&] { return ::pread(fd_, data, size_t(size), off_t(offset)); });
        if (got < 0)
            raiseErrno(errno, path_);
        if (got == 0)
            throw EInOutError(kReadBeyondEnd);
        data += got;
        offset += got;
        size -= got;
    }
}

void CheckedFile::writeAt(qint64 offset, const char *data, qint64 size)
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    while (size > 0) {
        const ssize_t put = retried([&] { return ::pwrite(fd_, data, size_t(size), off_t(offset)); });
        if (put < 0)
            raiseErrno(errno, path_);
        if (put == 0)
            throw EInOutError(kDiskFull);
        data += put;
        offset += put;
        size -= put;
    }
}

void CheckedFile::truncate(qint64 size)
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    if (retried([&] { return ::ftruncate(fd_, off_t(size)); }) != 0)
        raiseErrno(errno, path_);
}

qint64 CheckedFile::size() const
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        raiseErrno(errno, path_);
    return qint64(info.st_size);
}

void CheckedFile::flush()
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    if (retried([&] { return ::fsync(fd_); }) != 0)
        raiseErrno(errno, path_);
}

void CheckedFile::close()
{
    if (!isOpen())
        throw EInOutError(kNotOpen);
    // The descriptor is gone whatever close() answers, so it is never
    // retried; an error still reports data that did not reach the file.
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && errno != EINTR)
        raiseErrno(errno, path_);
}
