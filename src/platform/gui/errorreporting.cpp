#include "platform/gui/errorreporting.h"

#include "platform/core/exceptions.h"
#include "platform/gui/dialogs.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <new>
#include <typeinfo>
#include <vector>

QString errorBoxText(const QString &message)
{
    if (message.isEmpty())
        return message;
    // A non-ASCII last character has a lead byte above "." in any multi-byte
    // encoding, so comparing the code point gives the same answer.
    const char32_t last = QStringView(message).toUcs4().constLast();
    return last > U'.' ? message + QLatin1Char('.') : message;
}

QString exceptionMessage(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception &e) {
        return e.message();
    } catch (const std::bad_alloc &) {
        return outOfMemoryError().message();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

namespace {

// Disables the other visible, enabled top-level windows while a box is up
// and gives them back their state and the active window afterwards.
class OtherWindowsDisabled {
public:
    OtherWindowsDisabled() : active_(QApplication::activeWindow())
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isEnabled()) {
                disabled_.push_back({window, window->focusWidget()});
                window->setEnabled(false);
            }
        }
    }
    ~OtherWindowsDisabled()
    {
        for (const auto &[window, focus] : disabled_) {
            if (window.isNull())
                continue;
            window->setEnabled(true);
            // Disabling took the focus away; put it back where it was.
            if (!focus.isNull())
                focus->setFocus(Qt::OtherFocusReason);
        }
        if (!active_.isNull()) {
            active_->activateWindow();
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled &) = delete;
    OtherWindowsDisabled &operator=(const OtherWindowsDisabled &) = delete;

private:
    struct Disabled {
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };
    QPointer<QWidget> active_;
    std::vector<Disabled> disabled_;
};

void showErrorBox(const QString &message)
{
    const QString text = errorBoxText(message);
    const QString caption = QCoreApplication::applicationName().left(255);
    OtherWindowsDisabled others;
    dialogs().showError(caption, text);
}

} // namespace

void handleException(std::exception_ptr error)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    showErrorBox(exceptionMessage(error));
}

void PaintErrorLatch::report(const QString &message)
{
    if (message == lastMessage_)
        return;
    lastMessage_ = message;
    QTimer::singleShot(0, qApp, [message] { showErrorBox(message); });
}
