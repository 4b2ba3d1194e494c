#include "notes/noteswindow.h"

#include "notes/fontdialog.h"
#include "notes/notesedit.h"
#include "platform/gui/errorreporting.h"
#include "platform/gui/startupreport.h"
#include "platform/gui/windowfont.h"

#include <QApplication>
#include <QMenuBar>

namespace {

// The window's font as a character format, in window-text colour.
CharFormat windowFormat()
{
    CharFormat format;
    format.face = windowFont().family();
    format.halfPoints = 16;
    format.colour = QApplication::palette().color(QPalette::WindowText).rgb();
    return format;
}

} // namespace

TForm4::TForm4(const QString &folder, QWidget *parent)
    : QMainWindow(parent), notesFile_(folder), RichEdit1(new NotesEdit(windowFormat(), this)),
      FontDlg1(new FontDialog(windowFormat(), this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setFont(windowFont());
    resize(456, 230);
    setCentralWidget(RichEdit1);
    FontDlg1->setApplyHandler([this] { FontDlg1Apply(); });

    QMenuBar *MainMenu1 = menuBar();
    Save1 = MainMenu1->addAction(QStringLiteral("Save"));
    connect(Save1, &QAction::triggered, this, [this] { guarded([this] { Save1Click(); }); });
    Font1 = MainMenu1->addAction(QStringLiteral("Font"));
    connect(Font1, &QAction::triggered, this, [this] { guarded([this] { Font1Click(); }); });
    StartupReport::step("notes window made");
}

void TForm4::runNotesCommand()
{
    if (!RichEdit1->document()->isModified() && notesFile_.exists())
        RichEdit1->setRichText(notesFile_.read());
    show();
    raise();
    activateWindow();
}

void TForm4::Save1Click()
{
    notesFile_.write(RichEdit1->richText());
    RichEdit1->document()->setModified(false);
}

void TForm4::Font1Click()
{
    if (FontDlg1->execute())
        applyDialogFont();
}

void TForm4::FontDlg1Apply()
{
    applyDialogFont();
}

// A new font changes what Save writes, so it counts as an edit.
void TForm4::applyDialogFont()
{
    RichEdit1->setDefaultFormat(FontDlg1->dialogFont());
    RichEdit1->document()->setModified(true);
}

void TForm4::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placement_.windowShown(this);
}
