#include "platform/gui/qtdialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <memory>

namespace {

QMessageBox *makeBox(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    auto *box = new QMessageBox(icon, caption, text, QMessageBox::NoButton);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    // Without an owner the box opens centred on the active window's screen.
    if (QWidget *active = QApplication::activeWindow())
        box->setScreen(active->screen());
    return box;
}

void runBox(QMessageBox *made)
{
    std::unique_ptr<QMessageBox> box(made);
    box->exec();
}

// The extension a type stands for ("*.gpl" gives "gpl"); the request's
// default suffix for a type without one.
QString typeSuffix(const FileDialogRequest &request, int filter)
{
    if (filter < 0 || std::size_t(filter) >= request.filters.size())
        return request.defaultSuffix;
    for (const QString &pattern : request.filters[std::size_t(filter)].patterns) {
        if (pattern.startsWith(QLatin1String("*.")) && pattern.size() > 2 &&
            pattern.indexOf(QLatin1Char('*'), 1) < 0)
            return pattern.mid(2);
    }
    return request.defaultSuffix;
}

} // namespace

QStringList nameFilters(const std::vector<FileFilter> &filters)
{
    QStringList result;
    for (const FileFilter &filter : filters)
        result << QStringLiteral("%1 (%2)").arg(filter.name, filter.patterns.join(QLatin1Char(' ')));
    return result;
}

std::unique_ptr<QFileDialog> QtDialogs::makeFileDialog(QWidget *owner, const FileDialogRequest &request,
                                                       QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(owner, request.title, request.initialFolder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    // Neither dialog insists on an existing file nor asks before overwriting:
    // the command that uses the name decides.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    // Names copied from other systems are often upper case: list them too.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    dialog->setNameFilters(nameFilters(request.filters));
    // Qt would add the suffix to every name without one, so a file that
    // exists without an extension could not be opened: an open dialog adds
    // it itself, and only to a name that does not exist as typed.
    // A save dialog adds the extension of the type chosen, so the name and
    // the type agree; a type of every file adds the request's own suffix.
    if (mode == QFileDialog::AcceptSave) {
        dialog->setDefaultSuffix(typeSuffix(request, 0));
        QFileDialog *saving = dialog.get();
        QObject::connect(
            saving, &QFileDialog::filterSelected, saving, [saving, request](const QString &filter) {
                saving->setDefaultSuffix(typeSuffix(request, int(saving->nameFilters().indexOf(filter))));
            });
    }
    return dialog;
}

std::unique_ptr<QFileDialog> QtDialogs::runFileDialog(QWidget *owner, const FileDialogRequest &request,
                                                      QFileDialog::AcceptMode mode)
{
    std::unique_ptr<QFileDialog> dialog = makeFileDialog(owner, request, mode);
    if (dialog->exec() != QDialog::Accepted)
        return nullptr;
    return dialog;
}

int QtDialogs::chosenFilter(const QFileDialog &dialog)
{
    return std::max(0, int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
}

std::optional<QString> QtDialogs::chosenFile(const QFileDialog &dialog, const FileDialogRequest &request)
{
    if (dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (dialog.acceptMode() == QFileDialog::AcceptSave)
        return path;
    return withDefaultSuffix(path, request.defaultSuffix);
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (suffix.isEmpty() || info.exists() || info.fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

int captionFitWidth(const QString &caption)
{
    // Most window managers draw the caption bold; a title font that is not
    // bold only makes the window a little wider than it needs.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    // The window icon and the minimise, maximise and close buttons, each
    // about as wide as the title bar is high.
    const int titleBarItems = 4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QFontMetrics(font).horizontalAdvance(caption) + titleBarItems;
}

QMessageBox *QtDialogs::makeErrorBox(const QString &caption, const QString &text)
{
    QMessageBox *box = makeBox(QMessageBox::Critical, caption, text);
    // The box grows to show its whole caption. Qt leaves only 50 pixels
    // beside the caption's text, too few for a window manager's buttons, so
    // "Aeroth VIR/IDI Dere Davovo" would be cut. The buttons' row spans the
    // box, so its width sets the box's.
    if (auto *buttons = box->findChild<QDialogButtonBox *>()) {
        const QMargins margins = box->layout()->contentsMargins();
        buttons->setMinimumWidth(captionFitWidth(caption) - margins.left() - margins.right());
    }
    return box;
}

QMessageBox *QtDialogs::makeInformationBox(const QString &text)
{
    return makeBox(QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtDialogs::showError(const QString &caption, const QString &text)
{
    runBox(makeErrorBox(caption, text));
}

void QtDialogs::showInformation(const QString &text)
{
    runBox(makeInformationBox(text));
}

std::optional<QString> QtDialogs::openFileName(QWidget *owner, const FileDialogRequest &request)
{
    const std::unique_ptr<QFileDialog> dialog = runFileDialog(owner, request, QFileDialog::AcceptOpen);
    if (!dialog)
        return std::nullopt;
    return chosenFile(*dialog, request);
}

std::optional<ChosenFile> QtDialogs::saveFileName(QWidget *owner, const FileDialogRequest &request)
{
    const std::unique_ptr<QFileDialog> dialog = runFileDialog(owner, request, QFileDialog::AcceptSave);
    if (!dialog)
        return std::nullopt;
    const std::optional<QString> path = chosenFile(*dialog, request);
    if (!path)
        return std::nullopt;
    return ChosenFile{*path, chosenFilter(*dialog)};
}

int QtDialogs::runModal(QDialog &dialog)
{
    return dialog.exec();
}
