#pragma once

#include <QString>

#include <exception>

// The failures of the program's commands. Each carries the message the error
// box shows; the box adds the closing period where the message needs one.
class Exception : public std::exception {
public:
    explicit Exception(QString message);

    [[nodiscard]] const QString &message() const noexcept { return message_; }
    // The class name the last-resort box prints ("EInOutError", ...).
    [[nodiscard]] virtual const char *className() const noexcept { return "Exception"; }
    // Where the error was raised: the code address that constructed it.
    [[nodiscard]] const void *raiseAddress() const noexcept { return raiseAddress_; }
    [[nodiscard]] const char *what() const noexcept override;

private:
    QString message_;
    QByteArray utf8_;
    const void *raiseAddress_ = nullptr;
};

#define DAVOVO_ERROR_KIND(Name)                                                                              \
    class Name : public Exception {                                                                          \
    public:                                                                                                  \
        using Exception::Exception;                                                                          \
        [[nodiscard]] const char *className() const noexcept override { return #Name; }                      \
    }

DAVOVO_ERROR_KIND(EConvertError);
DAVOVO_ERROR_KIND(EFOpenError);
DAVOVO_ERROR_KIND(EFCreateError);
DAVOVO_ERROR_KIND(EOutOfResources);
DAVOVO_ERROR_KIND(EOutOfMemory);
DAVOVO_ERROR_KIND(EInvalidGridOperation);

#undef DAVOVO_ERROR_KIND

// A failed file operation; the code selects the message and stays readable.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);

    [[nodiscard]] int errorCode() const noexcept { return code_; }
    [[nodiscard]] const char *className() const noexcept override { return "EInOutError"; }

    // The text shown for an I/O error code.
    [[nodiscard]] static QString messageFor(int code);

private:
    int code_;
};

// The one out-of-memory error, made before it can be needed: reporting it
// must not depend on memory being available.
[[nodiscard]] EOutOfMemory &outOfMemoryError();
