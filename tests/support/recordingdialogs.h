#pragma once

#include "platform/gui/dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>

// Dialogs for tests: every box and dialog is recorded, and dialogs are
// answered from a queue the test fills (an empty queue answers "cancel").
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "error", "information", "open", "save", "browse", "dialog"
        QString caption;
        QString text;
        FileDialogRequest file;
        FolderBrowserRequest browser;
    };

    void showError(const QString &caption, const QString &text) override;
    void showInformation(const QString &text) override;
    std::optional<QString> openFileName(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<ChosenFile> saveFileName(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QString> browseForFolder(QWidget *owner, const FolderBrowserRequest &request) override;
    // Recorded with the dialog's title as the caption; answered by the next
    // dialog answer, or rejected.
    int runModal(QDialog &dialog) override;

    // The next open, save or browse dialog returns `answer`; a save dialog
    // with its first type chosen.
    void answer(std::optional<QString> answer);
    // The next save dialog returns `path` with the type `filter` chosen.
    void answer(const QString &path, int filter) { answers_.push_back(ChosenFile{path, filter}); }
    // The next dialog of the program's own is given to `answer`, which may
    // work its controls; its result (QDialog::Accepted or Rejected) ends it.
    void answerDialog(std::function<int(QDialog &)> answer) { dialogAnswers_.push_back(std::move(answer)); }
    // Runs while the next box or dialog is up (before it returns).
    void whileShown(std::function<void()> action) { whileShown_ = std::move(action); }

    [[nodiscard]] const std::vector<Shown> &shown() const { return shown_; }
    [[nodiscard]] QStringList errors() const;       // texts of the error boxes, in order
    [[nodiscard]] QStringList informations() const; // texts of the information boxes
    [[nodiscard]] int count(const QString &kind) const;
    void reset();

private:
    void note(Shown shown);
    std::optional<ChosenFile> record(Shown shown);

    std::vector<Shown> shown_;
    std::deque<std::optional<ChosenFile>> answers_;
    std::deque<std::function<int(QDialog &)>> dialogAnswers_;
    std::function<void()> whileShown_;
};

// The recorder the test main installed.
[[nodiscard]] RecordingDialogs &recordedDialogs();
