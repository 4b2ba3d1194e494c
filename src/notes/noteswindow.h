#pragma once

#include "notes/notesfile.h"
#include "platform/core/programfolder.h"
#include "platform/gui/windowplacement.h"

#include <QMainWindow>

class FontDialog;
class NotesEdit;
class QAction;

// The notes window: free rich text kept beside the editor, saved as the
// notes file in the program folder. Closing it only hides it; the text
// stays for the rest of the run. It shows the application's icon.
class TForm4 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char *kCaption = "ZOD/IRI Zozevo Notes";

    // The notes file lies in `folder` (ending with a separator).
    explicit TForm4(const QString &folder = programFolder(), QWidget *parent = nullptr);

    // The editor's Notes command: the loading step, then the window shown
    // and brought to the front. The notes file is loaded while the control
    // holds no edits since it was last loaded or saved (so always the first
    // time); a failed load ends the command before the window is shown.
    void runNotesCommand();

    // Menu commands and the font dialog's Apply.
    void Save1Click();
    void Font1Click();
    void FontDlg1Apply();

    [[nodiscard]] NotesEdit *richEdit() const { return RichEdit1; }
    [[nodiscard]] FontDialog *fontDialog() const { return FontDlg1; }
    [[nodiscard]] QList<QAction *> menuCommands() const { return {Save1, Font1}; }
    [[nodiscard]] const NotesFile &notesFile() const { return notesFile_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyDialogFont();

    NotesFile notesFile_;
    NotesEdit *RichEdit1;
    FontDialog *FontDlg1;
    QAction *Save1;
    QAction *Font1;
    FirstShowPlacement placement_{FirstShowPlacement::Area::Desktop, QSize(456, 230)};
};
