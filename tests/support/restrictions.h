#pragma once

#include "platform/core/exceptions.h"

#include <QString>

#include <exception>
#include <thread>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// Real refusals from the kernel for tests that need a file operation to fail.

// Runs `code` on a thread of its own without the capability that lets root
// ignore file permissions (capabilities belong to a thread), so read-only
// files and folders refuse it as they refuse an ordinary user. Returns false,
// without running `code`, when the capability cannot be dropped. An
// exception from `code` is raised again on the calling thread.
template <class F> bool runWithoutPermissionOverride(F &&code)
{
    bool dropped = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        if (syscall(SYS_capset, &header, data) != 0)
            return;
        dropped = true;
        try {
            code();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return dropped;
}

// While it lives, no file of the process may grow past `bytes`: a write there
// fails with EFBIG, as on a full disk (SIGXFSZ is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// "<code> <message>" of the I/O error `code` raises ("2 File not found"),
// or "no error" when it succeeds.
template <class F> QString ioFailureOf(F &&code)
{
    try {
        code();
    } catch (const EInOutError &e) {
        return QString::number(e.errorCode()) + QLatin1Char(' ') + e.message();
    }
    return QStringLiteral("no error");
}
