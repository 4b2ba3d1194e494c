#include "grid/access/accessiblecells.h"

#include "grid/access/cellaccessible.h"
#include "grid/access/gridaccesssource.h"

#include <QWidget>

#include <utility>

namespace {

quint64 key(QPoint cell)
{
    return (quint64(quint32(cell.x())) << 32) | quint32(cell.y());
}

QAccessible::UpdateHandler announcer = nullptr;

} // namespace

QAccessible::UpdateHandler AccessibleCells::installAnnouncer(QAccessible::UpdateHandler handler)
{
    return std::exchange(announcer, handler);
}

bool AccessibleCells::isListening() const
{
    return queried_ || announcer != nullptr || QAccessible::isActive();
}

void AccessibleCells::send(QAccessibleEvent &event)
{
    if (announcer != nullptr)
        announcer(&event);
    else
        QAccessible::updateAccessibility(&event);
}

AccessibleCells::~AccessibleCells()
{
    drop();
}

QAccessibleInterface *AccessibleCells::cell(QPoint cell) const
{
    if (!source_.accessModel().cells.contains(cell.x(), cell.y()))
        return nullptr;
    const auto found = known_.constFind(key(cell));
    if (found != known_.constEnd())
        return QAccessible::accessibleInterface(found->id);
    auto *made = new CellAccessible(source_, cell);
    known_.insert(key(cell), {QAccessible::registerAccessibleInterface(made), made->text(QAccessible::Name)});
    return made;
}

int AccessibleCells::indexOf(QPoint cell) const
{
    return cell.y() * source_.accessModel().cells.colCount() + cell.x();
}

void AccessibleCells::viewChanged(const QRect &area)
{
    if (!isListening())
        return;
    announceNames(area);
    announceFocus();
}

void AccessibleCells::focusArrived()
{
    // Arrivals in quick succession are announced once.
    if (!focusArriving_)
        return;
    focusArriving_ = false;
    focused_ = {-1, -1};
    viewChanged({});
}

void AccessibleCells::announceNames(const QRect &area)
{
    QWidget &grid = source_.accessGrid();
    for (auto it = known_.begin(); it != known_.end(); ++it) {
        const QPoint at(int(it.key() >> 32), int(quint32(it.key())));
        if (!area.contains(at))
            continue;
        QString name = source_.accessibleCellName(at);
        if (name == it->name)
            continue;
        it->name = std::move(name);
        QAccessibleEvent event(&grid, QAccessible::NameChanged);
        event.setChild(indexOf(at));
        send(event);
    }
}

void AccessibleCells::announceFocus()
{
    // While the editor is open, the focus is its own, announced by the toolkit.
    if (!source_.showsAccessibleFocus() || source_.visibleEditor() != nullptr) {
        focused_ = {-1, -1};
        return;
    }
    const QPoint current = source_.accessModel().selection.current();
    if (current == focused_ || focusArriving_)
        return;
    focused_ = current;
    QAccessibleEvent event(&source_.accessGrid(), QAccessible::Focus);
    event.setChild(indexOf(current));
    send(event);
}

void AccessibleCells::countsChanged()
{
    drop();
    focused_ = {-1, -1};
    if (!isListening())
        return;
    QAccessibleTableModelChangeEvent event(&source_.accessGrid(), QAccessibleTableModelChangeEvent::ModelReset);
    send(event);
}

void AccessibleCells::drop()
{
    for (const Known &known : std::as_const(known_))
        QAccessible::deleteAccessibleInterface(known.id);
    known_.clear();
}
