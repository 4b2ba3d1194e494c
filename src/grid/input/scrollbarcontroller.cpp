#include "grid/input/scrollbarcontroller.h"

#include "grid/model/gridmodel.h"

#include <QScrollBar>

#include <utility>

void ScrollBarController::sync()
{
    syncing_ = true;
    sync(model_.geometry.columns(), horizontal_);
    sync(model_.geometry.rows(), vertical_);
    syncing_ = false;
}

void ScrollBarController::sync(const GridAxis &axis, QScrollBar &bar)
{
    const int thumb = axis.scrollThumb();
    bar.setRange(0, GridAxis::kScrollRange - thumb);
    bar.setPageStep(thumb);
    bar.setSingleStep(1);
    bar.setValue(axis.scrollBarPosition());
}

bool ScrollBarController::actionTriggered(Qt::Orientation orientation, int action)
{
    GridAxis &axis = orientation == Qt::Horizontal ? model_.geometry.columns() : model_.geometry.rows();
    QScrollBar &bar = orientation == Qt::Horizontal ? horizontal_ : vertical_;
    const int firstBefore = axis.first();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        axis.setFirst(axis.first() + 1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        axis.setFirst(axis.first() - 1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        axis.setFirst(axis.first() + axis.pageSize());
        break;
    case QAbstractSlider::SliderPageStepSub:
        axis.setFirst(axis.first() - axis.pageSize());
        break;
    case QAbstractSlider::SliderToMinimum:
        axis.setFirst(axis.fixedCount());
        break;
    case QAbstractSlider::SliderToMaximum:
        axis.setFirst(axis.maxFirst());
        break;
    default:
        return false; // a drag: valueChanged() maps the position
    }
    // The bar then takes this value, which valueChanged() finds in place.
    bar.setSliderPosition(axis.scrollBarPosition());
    return axis.first() != firstBefore;
}

bool ScrollBarController::valueChanged()
{
    if (syncing_)
        return false;
    bool scrolled = false;
    for (auto [axis, bar] : {std::pair{&model_.geometry.columns(), &horizontal_},
                             std::pair{&model_.geometry.rows(), &vertical_}}) {
        if (bar->value() == axis->scrollBarPosition())
            continue;
        axis->setFirst(axis->firstForScrollBarPosition(bar->value()));
        scrolled = true;
    }
    // The thumb stays under the pointer while it is dragged.
    if (scrolled && !horizontal_.isSliderDown() && !vertical_.isSliderDown())
        sync();
    return scrolled;
}
