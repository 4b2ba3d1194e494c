#include "app/startwindow.h"

#include "app/application.h"
#include "app/editorwindow.h"
#include "colour/splpalfile.h"
#include "editor/editorgrid.h"
#include "platform/errorreporting.h"
#include "platform/windowfont.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

TForm1::TForm1(ColourTable &table, SplPalFile &file, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Memo1(new QPlainTextEdit(this)),
      Button5(new QPushButton(QStringLiteral("Click to Open File Editor"), this)), table_(table), file_(file)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(DavovoApplication::programIcon());
    setFont(windowFont());
    setFixedSize(370, 216);

    Memo1->setGeometry(8, 0, 353, 169);
    Memo1->setPlainText(warningLines().join(QLatin1Char('\n')));
    Button5->setGeometry(80, 184, 201, 25);
    connect(Button5, &QPushButton::clicked, this, [this] { guarded([this] { Button5Click(); }); });
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

FileDialogRequest TForm1::openDialog(const QString &initialFolder) const
{
    return {QStringLiteral("Open SPL or PAL file"),
            {{QStringLiteral("SPL Files"), {QStringLiteral("*.spl")}},
             {QStringLiteral("PAL Files"), {QStringLiteral("*.pal")}}},
            QStringLiteral("spl"),
            initialFolder};
}

bool TForm1::Button3Click()
{
    const QString folder = startFolder_.startFolder(this);
    // The dialog opens over the editor, the window the user is working in.
    QWidget *owner = editor_ != nullptr ? static_cast<QWidget *>(editor_) : this;
    const std::optional<QString> path = dialogs().openFileName(owner, openDialog(folder));
    if (!path)
        return false;
    file_.bindAndRead(*path, table_);
    return true;
}

void TForm1::Button4Click()
{
    editor_->grid()->fillFromTable();
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
