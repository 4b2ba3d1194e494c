#pragma once

#include "platform/gui/dialogs.h"

#include <QFileDialog>

#include <memory>

class QMessageBox;

// The message boxes and file dialogs on Qt's own widgets. The folder browser
// is the settings' own dialog, supplied by the application.
class QtDialogs : public Dialogs {
public:
    void showError(const QString &caption, const QString &text) override;
    void showInformation(const QString &text) override;
    std::optional<QString> openFileName(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<ChosenFile> saveFileName(QWidget *owner, const FileDialogRequest &request) override;
    int runModal(QDialog &dialog) override;

    // The boxes as they are shown, for a look at them without running them.
    [[nodiscard]] static QMessageBox *makeErrorBox(const QString &caption, const QString &text);
    [[nodiscard]] static QMessageBox *makeInformationBox(const QString &text);
    [[nodiscard]] static std::unique_ptr<QFileDialog>
    makeFileDialog(QWidget *owner, const FileDialogRequest &request, QFileDialog::AcceptMode mode);
    // The file an accepted dialog stands for.
    [[nodiscard]] static std::optional<QString> chosenFile(const QFileDialog &dialog,
                                                           const FileDialogRequest &request);
    // The index in the request's filters of the type an accepted dialog shows.
    [[nodiscard]] static int chosenFilter(const QFileDialog &dialog);

private:
    // The accepted dialog, or nothing when the user cancelled it.
    static std::unique_ptr<QFileDialog> runFileDialog(QWidget *owner, const FileDialogRequest &request,
                                                      QFileDialog::AcceptMode mode);
};

// The name an open dialog takes: as typed when it exists, otherwise with
// the default suffix when the typed name has no extension.
[[nodiscard]] QString withDefaultSuffix(const QString &path, const QString &suffix);

// The width a window needs for a window manager to show `caption` whole in
// its title bar: the caption in the platform's title font, bold, and room for
// the window icon and three buttons.
[[nodiscard]] int captionFitWidth(const QString &caption);

// The type list of a file dialog in Qt's form: "SPL Files (*.spl)".
[[nodiscard]] QStringList nameFilters(const std::vector<FileFilter> &filters);
