#include "platform/gui/startupreport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum class Milestone { None, Mapped, Painted, Editor };

Milestone askedMilestone()
{
    static const Milestone asked = [] {
        const char *value = std::getenv("DAVOVO_STARTUP_REPORT");
        if (value == nullptr)
            return Milestone::None;
        if (std::strcmp(value, "mapped") == 0)
            return Milestone::Mapped;
        if (std::strcmp(value, "editor") == 0)
            return Milestone::Editor;
        return Milestone::Painted;
    }();
    return asked;
}

// Sees every event of the application, so it must see the expose of a
// window whose native handle does not exist yet when it is installed.
class Watcher : public QObject {
public:
    Watcher(QWidget *first, QWidget *second, std::function<void()> showSecond)
        : first_(first), second_(second), showSecond_(std::move(showSecond))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !mapped_ && first_ && watched == first_->windowHandle() &&
            first_->windowHandle()->isExposed()) {
            mapped_ = true;
            StartupReport::step("start window mapped");
            if (askedMilestone() == Milestone::Mapped)
                finish();
        }
        // The frame is drawn and flushed within the same pass as this
        // paint, so a call queued now runs after it.
        if (event->type() == QEvent::Paint && mapped_) {
            if (!firstPainted_ && watched == first_) {
                firstPainted_ = true;
                QMetaObject::invokeMethod(
                    this, [this] { firstFrameDrawn(); }, Qt::QueuedConnection);
            } else if (waitingForSecond_ && watched == second_) {
                waitingForSecond_ = false;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        StartupReport::step("editor painted");
                        finish();
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void firstFrameDrawn()
    {
        StartupReport::step("start window painted");
        if (askedMilestone() != Milestone::Editor || !second_ || !showSecond_) {
            finish();
            return;
        }
        waitingForSecond_ = true;
        showSecond_();
        StartupReport::step("editor shown");
    }

    // Queued, as the first expose may come before the event loop runs.
    void finish()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }

    QPointer<QWidget> first_;
    QPointer<QWidget> second_;
    std::function<void()> showSecond_;
    bool mapped_ = false;
    bool firstPainted_ = false;
    bool waitingForSecond_ = false;
};

} // namespace

void StartupReport::step(const char *step)
{
    if (askedMilestone() == Milestone::None)
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "startup %s: %lld\n", step,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void StartupReport::watch(QWidget *first, QWidget *second, std::function<void()> showSecond)
{
    if (askedMilestone() == Milestone::None)
        return;
    auto *watcher = new Watcher(first, second, std::move(showSecond));
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}
