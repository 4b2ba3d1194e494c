#include "grid/input/layoutcontroller.h"

#include "grid/input/editcontroller.h"
#include "grid/input/scrollbarcontroller.h"
#include "grid/model/gridmodel.h"
#include "grid/view/columnautosizer.h"

#include <QWidget>

void LayoutController::sync()
{
    model_.geometry.setClientSize(viewport_.size());
    scrollBars_.sync();
    edit_.placeEditor();
}

void LayoutController::relayout()
{
    sync();
    viewport_.update();
}

void LayoutController::setSizes(GridAxis &axis, int first, int end, int size)
{
    axis.setSizes(first, end, size);
    relayout();
}

void LayoutController::countsChanged()
{
    for (GridAxis *axis : {&model_.geometry.columns(), &model_.geometry.rows()})
        axis->growTo(axis == &model_.geometry.columns() ? model_.cells.colCount() : model_.cells.rowCount(),
                     axis->size(axis->count() - 1));
    relayout();
}

void LayoutController::zoomChanged()
{
    editor_.setFont(zoomedFont(model_.style.font, model_.geometry.zoom()));
    relayout();
}

void LayoutController::viewScrolled()
{
    scrollBars_.sync();
    edit_.placeEditor();
    viewport_.update();
}

void LayoutController::scrollTo(GridAxis &axis, int first)
{
    axis.setFirst(first);
    viewScrolled();
}

void LayoutController::barActionTriggered(Qt::Orientation orientation, int action)
{
    if (scrollBars_.actionTriggered(orientation, action))
        viewScrolled();
}

void LayoutController::barMoved()
{
    if (scrollBars_.valueChanged()) {
        edit_.placeEditor();
        viewport_.update();
    }
}

void LayoutController::autoSize(bool includeFixed, int margin)
{
    const ColumnAutoSizer sizer{QFontMetrics(zoomedFont(model_.style.font, model_.geometry.zoom()))};
    GridAxis &cols = model_.geometry.columns();
    for (int col = includeFixed ? 0 : cols.fixedCount(); col < cols.count(); ++col)
        cols.setSize(col, sizer.width(model_.cells, col, margin));
    relayout();
}
