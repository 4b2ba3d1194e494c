#pragma once

#include "platform/dialogs.h"
#include "platform/windowplacement.h"
#include "settings/startfolder.h"

#include <QWidget>

class ColourTable;
class QPlainTextEdit;
class QPushButton;
class SplPalFile;
class TForm3;

// The start window, the application's main window: a warning text and the
// button that leads to the editor. It also carries the routines the
// editor's Open and Import Colors commands use to choose and read a file
// and to fill the grid.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr const char *kCaption = "Aeroth VIR/IDI Dere Davovo - 30SEP01";

    TForm1(ColourTable &table, SplPalFile &file, QWidget *parent = nullptr);

    void setEditorWindow(TForm3 *editor) { editor_ = editor; }

    // The warning text, line by line.
    [[nodiscard]] static QStringList warningLines();

    // Hides this window and shows the editor.
    void Button5Click();

    // Chooses an SPL or PAL file, starting in the remembered start folder,
    // and reads its colour table; false when the user cancels the dialog.
    [[nodiscard]] bool Button3Click();
    // Fills the editor's grid from the colour table.
    void Button4Click();

    [[nodiscard]] FileDialogRequest openDialog(const QString &initialFolder) const;
    [[nodiscard]] StartFolder &startFolder() { return startFolder_; }

    [[nodiscard]] QPlainTextEdit *memo() const { return Memo1; }
    [[nodiscard]] QPushButton *button() const { return Button5; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPlainTextEdit *Memo1;
    QPushButton *Button5;
    TForm3 *editor_ = nullptr;
    ColourTable &table_;
    SplPalFile &file_;
    StartFolder startFolder_; // the settings file and the folder browser
    FirstShowPlacement placement_{FirstShowPlacement::Area::Screen};
};
