#include "grid/transfer/dragdropcontroller.h"

#include "grid/model/gridmodel.h"
#include "grid/model/gridundo.h"
#include "grid/transfer/copyformat.h"
#include "grid/transfer/csvloader.h"
#include "grid/transfer/pasteparser.h"
#include "platform/gui/errorreporting.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

void DragDropController::startDrag()
{
    const QString text = copyText(model_.cells, model_.selection.rect());
    auto *data = new QMimeData;
    // Plain text for every kind of target: 8-bit, UTF-8 and UTF-16.
    data->setText(text);
    data->setData(QStringLiteral("text/plain;charset=utf-8"), text.toUtf8());
    data->setData(QStringLiteral("text/plain;charset=iso-8859-1"), text.toLatin1());
    data->setData(QStringLiteral("text/plain;charset=utf-16"),
                  QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
    if (runner_) {
        runner_(data);
        delete data;
        return;
    }
    auto *drag = new QDrag(&grid_);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

QString DragDropController::csvFile(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    const QString name = path.section(QLatin1Char('/'), -1);
    return name.contains(QStringLiteral(".CSV")) || name.contains(QStringLiteral(".csv")) ? path : QString();
}

bool DragDropController::accepts(const QMimeData &data, QPoint pos) const
{
    if (data.hasUrls())
        return !csvFile(data).isEmpty();
    // Text needs a cell to start in.
    return data.hasText() && model_.geometry.cellAt(pos).x() >= 0;
}

void DragDropController::dragMoved(QDragMoveEvent *event)
{
    if (event->mimeData() == nullptr || !accepts(*event->mimeData(), event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->setDropAction(event->modifiers() & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void DragDropController::dropped(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    const QPoint pos = event->position().toPoint();
    if (data == nullptr || !accepts(*data, pos)) {
        event->ignore();
        return;
    }
    event->setDropAction(event->modifiers() & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    if (data->hasUrls()) {
        // Loaded once the drop is over: the other program's drag must not
        // wait for the file, nor for an error box about it.
        const QString path = csvFile(*data);
        QTimer::singleShot(0, &grid_, [this, path] { guarded([&] { loadCsv(path); }); });
        return;
    }
    const CellStore before = model_.cells;
    const PasteResult pasted =
        pasteText(model_.cells, model_.geometry.cellAt(pos), withCarriageReturns(data->text()));
    undo_.recordSince(before, pasted.area);
    view_.countsChanged();
    view_.invalidateAll();
}

void DragDropController::loadCsv(const QString &path)
{
    const CellStore before = model_.cells;
    undo_.recordSince(before, loadCsvFile(path, model_.cells));
    view_.countsChanged();
    view_.invalidateAll();
}
