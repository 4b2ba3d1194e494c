#include "editor/clipboardcontroller.h"

#include "editor/copyformat.h"
#include "editor/gridmodel.h"
#include "editor/pasteparser.h"
#include "editor/smartfill.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>

void ClipboardController::copy()
{
    QGuiApplication::clipboard()->setText(copyText(model_.cells, model_.selection.rect()));
}

void ClipboardController::cut()
{
    QGuiApplication::clipboard()->setText(cutText(model_.cells, model_.selection.rect()));
    view_.invalidateAll();
}

void ClipboardController::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return;
    const QString text = withCarriageReturns(data->text());
    const QRect selection = model_.selection.rect();
    const PasteResult pasted = pasteText(model_.cells, selection.topLeft(), text);
    view_.countsChanged();
    view_.invalidateAll();
    // A series that does not convert raises after the pasted cells are in.
    smartFill(model_.cells, selection, pasted.count, QLocale::system());
    view_.invalidateAll();
}
