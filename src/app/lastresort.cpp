#include "app/lastresort.h"

#include "platform/core/exceptions.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/errorreporting.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <typeinfo>

namespace {

struct Origin {
    QString className;
    const void *address = nullptr;
};

QString demangled(const char *name)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> plain(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                      &std::free);
    return QString::fromLatin1(status == 0 && plain ? plain.get() : name);
}

Origin originOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception &e) {
        return {QString::fromLatin1(e.className()), e.raiseAddress()};
    } catch (const std::bad_alloc &) {
        return {QString::fromLatin1(outOfMemoryError().className()), nullptr};
    } catch (const std::exception &e) {
        return {demangled(typeid(e).name()), nullptr};
    } catch (...) {
        return {QStringLiteral("Exception"), nullptr};
    }
}

} // namespace

QString lastResortText(const QString &className, const QString &module, quintptr offset,
                       const QString &message)
{
    QString text = QStringLiteral("Exception %1 in module %2 at %3.\n%4")
                       .arg(className, module,
                            QStringLiteral("%1").arg(offset, 8, 16, QLatin1Char('0')).toUpper(), message);
    if (!message.isEmpty() && !message.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

void showLastResort(std::exception_ptr error)
{
    const Origin origin = originOf(error);
    // The module that holds the failing code where it can be found, the
    // executable otherwise.
    QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    quintptr offset = 0;
    Dl_info info{};
    if (origin.address != nullptr && dladdr(origin.address, &info) != 0 && info.dli_fname != nullptr) {
        module = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
        offset = quintptr(origin.address) - quintptr(info.dli_fbase);
    }
    dialogs().showError(QStringLiteral("Application Error"),
                        lastResortText(origin.className, module, offset, exceptionMessage(error)));
}
