#include "app/editorwindow.h"

#include "app/application.h"
#include "colour/splpalfile.h"
#include "editor/colourcommands.h"
#include "editor/colourtools.h"
#include "editor/colourtoolsmenu.h"
#include "editor/editorgrid.h"
#include "editor/opencommand.h"
#include "notes/noteswindow.h"
#include "platform/gui/errorreporting.h"
#include "platform/gui/startupreport.h"
#include "platform/gui/windowfont.h"
#include "platform/gui/windowplacement.h"
#include "settings/startfolder.h"

#include <QCloseEvent>
#include <QMenuBar>

TForm3::TForm3(QWidget &startWindow, StartFolder &startFolder, ColourTable &table, SplPalFile &file,
               QWidget *parent)
    : QMainWindow(parent), startWindow_(startWindow), table_(table), file_(file), StringGrid1(new EditorGrid(table, this)),
      open_(std::make_unique<OpenCommand>(
          *StringGrid1, table, file,
          [&startFolder](QWidget *owner) { return startFolder.startFolder(owner); })),
      commands_(std::make_unique<ColourCommands>(*StringGrid1, table, file)),
      // "A file is open" is what enables Save.
      tools_(std::make_unique<ColourTools>(*StringGrid1, [this] { return Save1->isEnabled(); })),
      toolsMenu_(std::make_unique<ColourToolsMenu>(*StringGrid1, *tools_, *this))
{
    setWindowTitle(QString::fromLatin1(kStartCaption));
    setWindowIcon(DavovoApplication::programIcon());
    setFont(windowFont());
    resize(750, 281);
    setCentralWidget(StringGrid1);

    Open1 = addMenuCommand(QStringLiteral("Open"), true, &TForm3::Open1Click);
    ImportColors1 = addMenuCommand(QStringLiteral("Import Colors"), false, &TForm3::ImportColors1Click);
    Save1 = addMenuCommand(QStringLiteral("Save"), false, &TForm3::Save1Click);
    svclr = addMenuCommand(QStringLiteral("Export Colors"), false, &TForm3::svclrClick);
    Notes1 = addMenuCommand(QStringLiteral("Notes"), true, &TForm3::Notes1Click);
    About1 = addMenuCommand(QStringLiteral("About"), true, &TForm3::About1Click);
    Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    // A failure while the window is being made ends only this handler.
    guarded([this] { FormCreate(); });
    StartupReport::step("editor window made");
}

QAction *TForm3::addMenuCommand(const QString &caption, bool enabled, void (TForm3::*handler)())
{
    QAction *action = menuBar()->addAction(caption);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    return action;
}

QList<QAction *> TForm3::menuCommands() const
{
    return {Open1, ImportColors1, Save1, svclr, Notes1, About1};
}

void TForm3::FormCreate()
{
    StringGrid1->writeColumnHeaders();
}

void TForm3::FormClose()
{
    // Closing the editor ends the program at once; nothing is saved.
    QCoreApplication::quit();
}

TForm3::~TForm3() = default;

void TForm3::Open1Click()
{
    if (open_->run(startWindow_, *this, {Save1, svclr, ImportColors1}))
        tools_->fileReadOrSaved(file_.binding()->path, table_);
}

void TForm3::ImportColors1Click()
{
    if (!commands_->importColours(this))
        return;
    StringGrid1->recordChange(EditorGrid::valueCells(), [this] { open_->fillGrid(); });
    StringGrid1->indicatorOn();
}

void TForm3::Save1Click()
{
    commands_->save();
    tools_->fileReadOrSaved(file_.binding()->path, table_);
}

void TForm3::svclrClick()
{
    commands_->exportColours(this);
}

void TForm3::Notes1Click()
{
    notesWindow_->runNotesCommand();
}

void TForm3::About1Click()
{
    aboutSettings_.execute(this);
}

void TForm3::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placement_.windowShown(this);
}

void TForm3::closeEvent(QCloseEvent *event)
{
    event->accept();
    guarded([this] { FormClose(); });
}
