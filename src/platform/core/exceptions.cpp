#include "platform/core/exceptions.h"

// Not inlined, so the return address is the code that raised the error.
[[gnu::noinline]] Exception::Exception(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()),
      raiseAddress_(__builtin_extract_return_addr(__builtin_return_address(0)))
{
}

const char *Exception::what() const noexcept
{
    return utf8_.constData();
}

EInOutError::EInOutError(int code) : Exception(messageFor(code)), code_(code) {}

QString EInOutError::messageFor(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Invalid filename");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    case 100:
        return QStringLiteral("Read beyond end of file");
    case 101:
        return QStringLiteral("Disk full");
    case 106:
        return QStringLiteral("Invalid numeric input");
    default:
        return QStringLiteral("I/O error %1").arg(code);
    }
}

EOutOfMemory &outOfMemoryError()
{
    static EOutOfMemory error(QStringLiteral("Out of memory"));
    return error;
}
