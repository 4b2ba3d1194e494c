#include "support/recordingdialogs.h"

#include <QDialog>

void RecordingDialogs::answer(std::optional<QString> answer)
{
    if (answer)
        answers_.push_back(ChosenFile{*answer, 0});
    else
        answers_.push_back(std::nullopt);
}

namespace {

std::optional<QString> pathOf(const std::optional<ChosenFile> &chosen)
{
    if (!chosen)
        return std::nullopt;
    return chosen->path;
}

} // namespace

void RecordingDialogs::note(Shown shown)
{
    shown_.push_back(std::move(shown));
    if (whileShown_) {
        auto action = std::move(whileShown_);
        whileShown_ = nullptr;
        action();
    }
}

std::optional<ChosenFile> RecordingDialogs::record(Shown shown)
{
    note(std::move(shown));
    if (answers_.empty())
        return std::nullopt;
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void RecordingDialogs::showError(const QString &caption, const QString &text)
{
    record({QStringLiteral("error"), caption, text, {}, {}});
}

void RecordingDialogs::showInformation(const QString &text)
{
    record({QStringLiteral("information"), QStringLiteral("Information"), text, {}, {}});
}

std::optional<QString> RecordingDialogs::openFileName(QWidget *, const FileDialogRequest &request)
{
    return pathOf(record({QStringLiteral("open"), request.title, {}, request, {}}));
}

std::optional<ChosenFile> RecordingDialogs::saveFileName(QWidget *, const FileDialogRequest &request)
{
    return record({QStringLiteral("save"), request.title, {}, request, {}});
}

std::optional<QString> RecordingDialogs::browseForFolder(QWidget *, const FolderBrowserRequest &request)
{
    return pathOf(record({QStringLiteral("browse"), {}, request.instruction, {}, request}));
}

int RecordingDialogs::runModal(QDialog &dialog)
{
    note({QStringLiteral("dialog"), dialog.windowTitle(), {}, {}, {}});
    int result = QDialog::Rejected;
    if (!dialogAnswers_.empty()) {
        const auto answer = std::move(dialogAnswers_.front());
        dialogAnswers_.pop_front();
        result = answer(dialog);
    }
    dialog.done(result);
    return result;
}

QStringList RecordingDialogs::errors() const
{
    QStringList texts;
    for (const Shown &s : shown_)
        if (s.kind == QLatin1String("error"))
            texts << s.text;
    return texts;
}

QStringList RecordingDialogs::informations() const
{
    QStringList texts;
    for (const Shown &s : shown_)
        if (s.kind == QLatin1String("information"))
            texts << s.text;
    return texts;
}

int RecordingDialogs::count(const QString &kind) const
{
    int n = 0;
    for (const Shown &s : shown_)
        n += s.kind == kind ? 1 : 0;
    return n;
}

void RecordingDialogs::reset()
{
    shown_.clear();
    answers_.clear();
    dialogAnswers_.clear();
    whileShown_ = nullptr;
}

RecordingDialogs &recordedDialogs()
{
    return static_cast<RecordingDialogs &>(dialogs());
}
