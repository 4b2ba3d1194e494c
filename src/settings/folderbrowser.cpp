#include "settings/folderbrowser.h"

#include "platform/gui/errorreporting.h"
#include "settings/browserplacement.h"
#include "settings/pathshortening.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The status line shows at most this many characters of a path.
constexpr qsizetype statusLimit = 40;

} // namespace

FolderBrowser::FolderBrowser(QWidget *owner, const FolderBrowserRequest &request)
    : QDialog(owner), model_(new QFileSystemModel(this)), instruction_(new QLabel(request.instruction, this)),
      tree_(new QTreeView(this)), edit_(new QLineEdit(this)), status_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    instruction_->setObjectName(QStringLiteral("instruction"));
    instruction_->setWordWrap(true);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    edit_->setObjectName(QStringLiteral("edit"));
    tree_->setObjectName(QStringLiteral("tree"));

    // Hidden entries too: a simulator run through Wine lives under ~/.wine.
    model_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    model_->setReadOnly(true);
    model_->setRootPath(QStringLiteral("/"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { guarded([&] { highlightChanged(current); }); });

    connect(buttons_, &QDialogButtonBox::accepted, this, &FolderBrowser::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FolderBrowser::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(instruction_);
    layout->addWidget(tree_, 1);
    layout->addWidget(edit_);
    layout->addWidget(status_);
    layout->addWidget(buttons_);
    resize(QSize(380, 440).expandedTo(minimumSizeHint()));

    // The root is highlighted while nothing else is, so OK always has an
    // item to confirm.
    highlight(QDir::rootPath());
    // The top folders show at once, as the top of a shell's tree does.
    tree_->expand(model_->index(QDir::rootPath()));
    highlight(request.selectedFolder);
}

std::optional<QString> FolderBrowser::browse(QWidget *owner, const FolderBrowserRequest &request)
{
    FolderBrowser browser(owner, request);
    browser.placeOverActiveWindow();
    if (browser.exec() != QDialog::Accepted)
        return std::nullopt;
    return browser.confirmedPath();
}

void FolderBrowser::placeOverActiveWindow()
{
    QWidget *active = QApplication::activeWindow();
    if (active == nullptr && parentWidget() != nullptr)
        active = parentWidget()->window();
    QScreen *screen = active != nullptr ? active->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect screenArea = screen->geometry();
    const QRect bounds = active != nullptr ? active->frameGeometry() : screenArea;
    // The frame is not known before the browser is shown; it will be like
    // the active window's.
    QSize frameSize = size();
    if (active != nullptr)
        frameSize += active->frameGeometry().size() - active->size();
    move(browserPosition(bounds, frameSize, screenArea));
}

void FolderBrowser::highlight(const QString &path)
{
    if (path.isEmpty())
        return;
    const QModelIndex index = model_->index(path);
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        tree_->expand(parent);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
}

QString FolderBrowser::highlightedPath() const
{
    const QModelIndex current = tree_->currentIndex();
    return current.isValid() ? model_->filePath(current) : QString();
}

QString FolderBrowser::statusText() const
{
    return status_->text();
}

void FolderBrowser::accept()
{
    guarded([&] {
        confirmed_ = resolveConfirmed();
        if (confirmed_)
            QDialog::accept();
        else
            QDialog::reject();
    });
}

void FolderBrowser::highlightChanged(const QModelIndex &current)
{
    const QString path = current.isValid() ? model_->filePath(current) : QString();
    edit_->setText(current.isValid() ? model_->fileName(current) : QString());
    const QString shortened = shortenPath(path, statusLimit);
    if (shortened != status_->text())
        status_->setText(shortened);
}

std::optional<QString> FolderBrowser::resolveConfirmed() const
{
    const QString highlighted = highlightedPath();
    const QString typed = edit_->text();
    const QModelIndex current = tree_->currentIndex();
    if (typed.isEmpty() || (current.isValid() && typed == model_->fileName(current))) {
        if (highlighted.isEmpty())
            return std::nullopt;
        return highlighted;
    }
    QString base = QStringLiteral("/");
    if (!highlighted.isEmpty())
        base = QFileInfo(highlighted).isDir() ? highlighted : QFileInfo(highlighted).path();
    const QString candidate = QDir::isAbsolutePath(typed) ? typed : QDir(base).filePath(typed);
    if (!QFileInfo::exists(candidate))
        return std::nullopt;
    return QDir::cleanPath(candidate);
}
