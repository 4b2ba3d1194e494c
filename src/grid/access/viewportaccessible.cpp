#include "grid/access/viewportaccessible.h"

#include "grid/access/gridaccesssource.h"

#include <QWidget>

ViewportAccessible::ViewportAccessible(QWidget *viewport, const GridAccessSource &source)
    : QAccessibleWidget(viewport, QAccessible::Cell), source_(source)
{
}

QAccessibleInterface *ViewportAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(&source_.accessGrid());
}

QString ViewportAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? source_.accessibleCellName(source_.accessModel().selection.current())
                                  : QString();
}

QRect ViewportAccessible::rect() const
{
    return source_.accessibleCellRect(source_.accessModel().selection.current());
}
