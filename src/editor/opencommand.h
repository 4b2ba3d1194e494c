#pragma once

#include "platform/gui/dialogs.h"

#include <QList>

#include <functional>

class ColourTable;
class EditorGrid;
class QAction;
class QWidget;
class SplPalFile;

// The editor's Open command: the open dialog in the remembered start folder,
// reading the chosen file's colour table, and showing it in the grid.
class OpenCommand {
public:
    // The start folder of the open dialog, asked for (with `owner` as the
    // browser's owner) while none is stored.
    using StartFolderSource = std::function<QString(QWidget *owner)>;

    OpenCommand(EditorGrid &grid, ColourTable &table, SplPalFile &file, StartFolderSource startFolder);

    // Chooses an SPL or PAL file and reads its colour table; false when the
    // user cancels the dialog. A failed read raises its error and changes
    // nothing.
    [[nodiscard]] bool chooseAndRead(QWidget *owner);
    // Fills the grid from the colour table.
    void fillGrid();
    // The whole command: the start window hides, the chosen file fills the
    // grid, the file commands are enabled, the caption names the file, and
    // the old cell text is that of cell (1, 1). False when the user cancels.
    bool run(QWidget &startWindow, QWidget &editorWindow, const QList<QAction *> &fileCommands);

    [[nodiscard]] static FileDialogRequest openDialog(const QString &initialFolder);

private:
    EditorGrid &grid_;
    ColourTable &table_;
    SplPalFile &file_;
    StartFolderSource startFolder_;
};
