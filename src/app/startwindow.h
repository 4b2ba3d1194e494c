#pragma once

#include "platform/gui/windowplacement.h"
#include "settings/startfolder.h"

#include <QWidget>

class OpenCommand;
class QPlainTextEdit;
class QPushButton;

// The start window, the application's main window: a warning text and the
// button that leads to the editor. It keeps the start folder of the open
// dialog (the settings file and the folder browser), and the names of the
// routines that choose and read a file and fill the grid, which the Open
// command carries out.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr const char *kCaption = "Aeroth VIR/IDI Dere Davovo - 30SEP01";

    explicit TForm1(QWidget *parent = nullptr);

    void setEditorWindow(QWidget *editor) { editor_ = editor; }
    void setOpenCommand(OpenCommand *command) { open_ = command; }

    // The warning text, line by line.
    [[nodiscard]] static QStringList warningLines();

    // Hides this window and shows the editor.
    void Button5Click();

    // A named step of the editor's Open, which OpenCommand carries out.
    // Chooses an SPL or PAL file, starting in the remembered start folder,
    // and reads its colour table; false when the user cancels the dialog.
    [[nodiscard]] bool Button3Click();
    // A named step of the editor's Open and Import Colors, which their commands carry out.
    // Fills the editor's grid from the colour table.
    void Button4Click();

    [[nodiscard]] StartFolder &startFolder() { return startFolder_; }

    [[nodiscard]] QPlainTextEdit *memo() const { return Memo1; }
    [[nodiscard]] QPushButton *button() const { return Button5; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPlainTextEdit *Memo1;
    QPushButton *Button5;
    QWidget *editor_ = nullptr;
    OpenCommand *open_ = nullptr;
    StartFolder startFolder_; // the settings file and the folder browser
    FirstShowPlacement placement_{FirstShowPlacement::Area::Screen};
};
