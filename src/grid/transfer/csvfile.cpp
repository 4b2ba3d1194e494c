#include "grid/transfer/csvfile.h"

#include "grid/model/transferlimits.h"
#include "platform/core/checkedfile.h"
#include "platform/core/exceptions.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CsvFile::CsvFile(const QString &path) : path_(path)
{
    // Not blocking: opening a pipe must not wait for a writer.
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0)
        refuse(QStringLiteral(" not found"));
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        const int error = errno;
        ::close(fd_);
        throw EInOutError(CheckedFile::ioErrorCode(error, path_));
    }
    const QString problem =
        !S_ISREG(status.st_mode) ? QStringLiteral(" is not a regular file")
        : status.st_size > TransferLimits::kMaxCsvFileSize
            ? QStringLiteral(" is larger than %1 MiB").arg(TransferLimits::kMaxCsvFileSize >> 20)
            : QString();
    if (!problem.isEmpty()) {
        ::close(fd_);
        refuse(problem);
    }
}

CsvFile::~CsvFile()
{
    ::close(fd_);
}

qsizetype CsvFile::read(char *data, qsizetype size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, data, std::size_t(size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EInOutError(CheckedFile::ioErrorCode(errno, path_));
        offset_ += got;
        if (offset_ > TransferLimits::kMaxCsvFileSize)
            refuse(QStringLiteral(" is larger than %1 MiB").arg(TransferLimits::kMaxCsvFileSize >> 20));
        return qsizetype(got);
    }
}

void CsvFile::rewind()
{
    if (::lseek(fd_, 0, SEEK_SET) != 0)
        throw EInOutError(CheckedFile::ioErrorCode(errno, path_));
    offset_ = 0;
}

void CsvFile::refuse(const QString &what) const
{
    throw EInvalidGridOperation(QStringLiteral("File ") + path_ + what);
}
