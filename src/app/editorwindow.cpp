#include "app/editorwindow.h"

#include "app/application.h"
#include "app/noteswindow.h"
#include "app/startwindow.h"
#include "app/windowplacement.h"
#include "editor/editorgrid.h"
#include "platform/errorreporting.h"

#include <QCloseEvent>
#include <QMenuBar>

TForm3::TForm3(TForm1 &startWindow, ColourTable &table, QWidget *parent)
    : QMainWindow(parent), startWindow_(startWindow),
      StringGrid1(new EditorGrid(table, this))
{
    setWindowTitle(QString::fromLatin1(kStartCaption));
    setWindowIcon(DavovoApplication::programIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    resize(750, 281);
    setCentralWidget(StringGrid1);

    Open1 = addMenuCommand(QStringLiteral("Open"), true, &TForm3::Open1Click);
    ImportColors1 = addMenuCommand(QStringLiteral("Import Colors"), false, &TForm3::ImportColors1Click);
    Save1 = addMenuCommand(QStringLiteral("Save"), false, &TForm3::Save1Click);
    svclr = addMenuCommand(QStringLiteral("Export Colors"), false, &TForm3::svclrClick);
    Notes1 = addMenuCommand(QStringLiteral("Notes"), true, &TForm3::Notes1Click);
    About1 = addMenuCommand(QStringLiteral("About"), true, &TForm3::About1Click);

    // A failure while the window is being made ends only this handler.
    guarded([this] { FormCreate(); });
}

QAction *TForm3::addMenuCommand(const QString &caption, bool enabled, void (TForm3::*handler)())
{
    QAction *action = menuBar()->addAction(caption);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
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

void TForm3::Open1Click() {}

void TForm3::ImportColors1Click() {}

void TForm3::Save1Click() {}

void TForm3::svclrClick() {}

void TForm3::Notes1Click()
{
    notesWindow_->show();
    notesWindow_->raise();
    notesWindow_->activateWindow();
}

void TForm3::About1Click() {}

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
