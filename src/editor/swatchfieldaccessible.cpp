#include "editor/swatchfieldaccessible.h"

#include "editor/swatchaccessible.h"
#include "editor/swatchsource.h"

#include <QWidget>

SwatchFieldAccessible::SwatchFieldAccessible(SwatchSource &source)
    : QAccessibleWidget(&source.swatchWidget(), QAccessible::Grouping), source_(source)
{
}

SwatchFieldAccessible::~SwatchFieldAccessible()
{
    for (QAccessible::Id id : std::as_const(ids_)) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

int SwatchFieldAccessible::childCount() const
{
    return source_.swatchCount();
}

QAccessibleInterface *SwatchFieldAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (ids_.size() <= index)
        ids_.resize(index + 1, 0);
    if (ids_[index] == 0)
        ids_[index] = QAccessible::registerAccessibleInterface(new SwatchAccessible(source_, index));
    return QAccessible::accessibleInterface(ids_[index]);
}

int SwatchFieldAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (dynamic_cast<const SwatchAccessible *>(child) == nullptr)
        return -1;
    const auto id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    return int(ids_.indexOf(id));
}

QAccessibleInterface *SwatchFieldAccessible::childAt(int x, int y) const
{
    const QPoint pos = source_.swatchWidget().mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < childCount(); ++index) {
        if (source_.swatchArea(index).contains(pos))
            return child(index);
    }
    return nullptr;
}
