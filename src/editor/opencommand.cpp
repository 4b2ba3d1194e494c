#include "editor/opencommand.h"

#include "colour/splpalfile.h"
#include "editor/editorgrid.h"

#include <QAction>
#include <QWidget>

OpenCommand::OpenCommand(EditorGrid &grid, ColourTable &table, SplPalFile &file,
                         StartFolderSource startFolder)
    : grid_(grid), table_(table), file_(file), startFolder_(std::move(startFolder))
{
}

FileDialogRequest OpenCommand::openDialog(const QString &initialFolder)
{
    return {QStringLiteral("Open SPL or PAL file"),
            {{QStringLiteral("SPL Files"), {QStringLiteral("*.spl")}},
             {QStringLiteral("PAL Files"), {QStringLiteral("*.pal")}}},
            QStringLiteral("spl"),
            initialFolder};
}

bool OpenCommand::chooseAndRead(QWidget *owner)
{
    const QString folder = startFolder_(owner);
    const std::optional<QString> path = dialogs().openFileName(owner, openDialog(folder));
    if (!path)
        return false;
    file_.bindAndRead(*path, table_);
    return true;
}

void OpenCommand::fillGrid()
{
    grid_.fillFromTable();
}

bool OpenCommand::run(QWidget &startWindow, QWidget &editorWindow, const QList<QAction *> &fileCommands)
{
    startWindow.hide();
    // The dialog opens over the editor, the window the user is working in.
    if (!chooseAndRead(&editorWindow))
        return false;
    fillGrid();
    grid_.clearUndo();
    for (QAction *command : fileCommands)
        command->setEnabled(true);
    editorWindow.setWindowTitle(QStringLiteral("Editing ") + file_.binding()->path);
    grid_.setOldCellText(grid_.cell(1, 1));
    return true;
}
