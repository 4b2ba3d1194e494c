#include "app/startwindow.h"

#include "app/application.h"
#include "editor/opencommand.h"
#include "platform/gui/errorreporting.h"
#include "platform/gui/startupreport.h"
#include "platform/gui/windowfont.h"
#include "platform/gui/windowplacement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Memo1(new QPlainTextEdit(this)),
      Button5(new QPushButton(QStringLiteral("Click to Open File Editor"), this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(DavovoApplication::programIcon());
    setFont(windowFont());
    setFixedSize(370, 216);

    Memo1->setGeometry(8, 0, 353, 169);
    Memo1->setPlainText(warningLines().join(QLatin1Char('\n')));
    // The window is worked from the keyboard: Tab leaves the text box instead
    // of typing into it, and Return and Enter press the button as Space does.
    Memo1->setTabChangesFocus(true);
    Memo1->installEventFilter(this);
    Button5->setGeometry(80, 184, 201, 25);
    Button5->setAutoDefault(true);
    Button5->installEventFilter(this);
    connect(Button5, &QPushButton::clicked, this, [this] { guarded([this] { Button5Click(); }); });
    StartupReport::step("start window made");
}

QStringList TForm1::warningLines()
{
    return {
        QStringLiteral("Use this editor at your own risk."),
        QStringLiteral("Make a backup of all of your *.SPL/PAL files before using this tool."),
        QStringLiteral("Enter data carefully, there is limited range checking "),
        QStringLiteral("and bad data can cause the program to crash."),
        QStringLiteral("Remember to SAVE when you are done with all of your "),
        QStringLiteral("changes to the file (the fixed cells will turn red)."),
        QStringLiteral("Good luck!"),
        QString(),
        QString(),
        QStringLiteral("Dere Davovo: free to use and share, with no warranty of any kind."),
    };
}

void TForm1::Button5Click()
{
    hide();
    editor_->show();
}

bool TForm1::Button3Click()
{
    return open_->chooseAndRead(editor_ != nullptr ? editor_ : this);
}

void TForm1::Button4Click()
{
    open_->fillGrid();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // Qt moves the focus on Tab alone; Ctrl+Tab moves it too, as in a dialog.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            const bool backwards = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(!backwards);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placement_.windowShown(this);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The main window: closing it while it is shown ends the program.
    event->accept();
    if (isVisible())
        QCoreApplication::quit();
}
