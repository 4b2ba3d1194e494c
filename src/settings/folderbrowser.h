#pragma once

#include "platform/gui/dialogs.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

// The folder browser: a tree of the whole file system, folders and files,
// an edit box for a typed name, the instruction above and a status line with
// the highlighted item's shortened path below. OK confirms the highlighted
// item, or the typed name when it differs from the highlighted item's name:
// an absolute path, or a name relative to the highlighted folder (to the
// folder of a highlighted file). A typed name that names nothing closes the
// browser like Cancel, with no item.
class FolderBrowser : public QDialog {
    Q_OBJECT

public:
    FolderBrowser(QWidget *owner, const FolderBrowserRequest &request);

    // Shows the browser modally, owned by `owner`, placed over the active
    // window; the confirmed item's path, or nothing when the user cancels.
    [[nodiscard]] static std::optional<QString> browse(QWidget *owner, const FolderBrowserRequest &request);

    // Moves the browser over the active window (the owner's window when none
    // is active), keeping its size.
    void placeOverActiveWindow();
    // Highlights the item at `path`, opening the folders above it; a path that
    // names nothing leaves the highlight as it is.
    void highlight(const QString &path);

    // The highlighted item's path; empty when nothing is highlighted.
    [[nodiscard]] QString highlightedPath() const;
    [[nodiscard]] QString statusText() const;
    // The path OK confirmed; nothing before OK, after Cancel or after a typed
    // name that named nothing.
    [[nodiscard]] const std::optional<QString> &confirmedPath() const { return confirmed_; }

public slots:
    void accept() override;

private:
    void highlightChanged(const QModelIndex &current);
    [[nodiscard]] std::optional<QString> resolveConfirmed() const;

    QFileSystemModel *model_;
    QLabel *instruction_;
    QTreeView *tree_;
    QLineEdit *edit_;
    QLabel *status_;
    QDialogButtonBox *buttons_;
    std::optional<QString> confirmed_;
};
