#pragma once

#include <QString>

#include <exception>
#include <utility>

// The top-level handler: every failure that ends a command arrives here and
// is shown in the error box, after which the event loop goes on.

// The text the error box shows for a message: a period is added when the
// message's last character sorts above ".".
[[nodiscard]] QString errorBoxText(const QString &message);

// The message an exception carries (the preallocated "Out of memory" one for
// std::bad_alloc).
[[nodiscard]] QString exceptionMessage(std::exception_ptr error);

// Shows the error box for `error`: caption from the application title, the
// other top-level windows disabled while it is up.
void handleException(std::exception_ptr error);

// Runs code that Qt calls (an action, a button, a grid event, ...): a failure
// goes to the top-level handler and the caller simply returns.
template <class F> void guarded(F &&code) noexcept
{
    try {
        std::forward<F>(code)();
    } catch (...) {
        handleException(std::current_exception());
    }
}

// Painting must never open a box: a widget keeps one latch, paints through
// it, and an error raised while painting is shown after the paint is over,
// once for as long as every repaint raises the same error.
class PaintErrorLatch {
public:
    template <class F> void paint(F &&code) noexcept
    {
        try {
            std::forward<F>(code)();
            lastMessage_.clear();
        } catch (...) {
            report(exceptionMessage(std::current_exception()));
        }
    }
    // Reports `message` as a painting error (queued, shown once).
    void report(const QString &message);
    // Counts `message` as already shown, e.g. when the same fault was just
    // reported outside painting.
    void markShown(const QString &message) { lastMessage_ = message; }

private:
    QString lastMessage_;
};
