#include "editor/swatchaccessible.h"

#include "editor/swatchsource.h"

#include <QWidget>

bool SwatchAccessible::isValid() const
{
    return index_ < source_.swatchCount();
}

QWindow *SwatchAccessible::window() const
{
    return source_.swatchWidget().window()->windowHandle();
}

QAccessibleInterface *SwatchAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(&source_.swatchWidget());
}

QString SwatchAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? source_.swatchName(index_) : QString();
}

QRect SwatchAccessible::rect() const
{
    const QRect area = source_.swatchArea(index_);
    return {source_.swatchWidget().mapToGlobal(area.topLeft()), area.size()};
}

void *SwatchAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

void SwatchAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        source_.pressSwatch(index_);
}
