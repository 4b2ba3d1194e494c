#pragma once

#include "platform/core/filefilter.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QDialog;
class QWidget;

struct FileDialogRequest {
    QString title;
    std::vector<FileFilter> filters; // the first one is preselected
    QString defaultSuffix;           // added to a typed name without one; empty for none
    QString initialFolder;           // used as given; empty lets the dialog choose
};

// The file a save dialog accepted and the type chosen in it.
struct ChosenFile {
    QString path;
    int filter = 0; // index into the request's filters
};

struct FolderBrowserRequest {
    QString instruction;    // the text above the tree
    QString selectedFolder; // highlighted when the browser opens; may be empty
};

// Every message box and dialog the program shows goes through this
// interface, so tests can answer them and read what they would show.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The error box: stop icon, one OK button.
    virtual void showError(const QString &caption, const QString &text) = 0;
    // The information box: caption "Information", one OK button.
    virtual void showInformation(const QString &text) = 0;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget *owner, const FileDialogRequest &request) = 0;
    // The chosen file's full path with the type chosen, or nothing.
    virtual std::optional<ChosenFile> saveFileName(QWidget *owner, const FileDialogRequest &request) = 0;
    // The confirmed item's path, or nothing when the user cancels.
    virtual std::optional<QString> browseForFolder(QWidget *owner, const FolderBrowserRequest &request) = 0;
    // Runs a dialog of the program's own modally; QDialog::Accepted or
    // QDialog::Rejected.
    virtual int runModal(QDialog &dialog) = 0;
};

// The dialogs in use. The application installs the real ones at start-up.
[[nodiscard]] Dialogs &dialogs();
void setDialogs(Dialogs *dialogs);
