#include "app/noteswindow.h"

#include "app/application.h"
#include "app/windowplacement.h"
#include "platform/errorreporting.h"
#include "platform/windowfont.h"

#include <QMenuBar>
#include <QTextEdit>

TForm4::TForm4(QWidget *parent) : QMainWindow(parent), RichEdit1(new QTextEdit(this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(DavovoApplication::programIcon());
    setFont(windowFont());
    resize(456, 230);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    setCentralWidget(RichEdit1);

    QAction *save = menuBar()->addAction(QStringLiteral("Save"));
    connect(save, &QAction::triggered, this, [this] { guarded([this] { Save1Click(); }); });
    QAction *font1 = menuBar()->addAction(QStringLiteral("Font"));
    connect(font1, &QAction::triggered, this, [this] { guarded([this] { Font1Click(); }); });
}

// Saving the notes and choosing their font come with the notes file.
void TForm4::Save1Click() {}

void TForm4::Font1Click() {}

void TForm4::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placement_.windowShown(this);
}
