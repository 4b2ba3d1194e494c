#include "grid/transfer/clipboardcontroller.h"

#include "grid/fill/smartfill.h"
#include "grid/model/gridmodel.h"
#include "grid/model/gridundo.h"
#include "grid/transfer/copyformat.h"
#include "grid/transfer/pasteparser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QScopeGuard>

void ClipboardController::copy()
{
    QGuiApplication::clipboard()->setText(copyText(model_.cells, model_.selection.rect()));
}

void ClipboardController::cut()
{
    const CellStore before = model_.cells;
    QGuiApplication::clipboard()->setText(cutText(model_.cells, model_.selection.rect()));
    undo_.recordSince(before, model_.selection.rect());
    view_.invalidateAll();
}

void ClipboardController::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return;
    const QString text = withCarriageReturns(data->text());
    const QRect selection = model_.selection.rect();
    const CellStore before = model_.cells;
    const PasteResult pasted = pasteText(model_.cells, selection.topLeft(), text);
    view_.countsChanged();
    view_.invalidateAll();
    // The paste and its fill are one step, also when a series that does not
    // convert ends the command after the pasted cells are in.
    const auto record = qScopeGuard([&] { undo_.recordSince(before, pasted.area | selection); });
    smartFill(model_.cells, selection, pasted.count, QLocale::system());
    view_.invalidateAll();
}
