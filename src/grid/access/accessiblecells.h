#pragma once

#include <QAccessible>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>

class GridAccessSource;

// The interfaces of the grid's cells for assistive technology, created on
// demand and kept by position until the grid's counts change, and the events
// that tell assistive technology what changed. Events are sent once
// assistive technology is active or has asked for the grid.
class AccessibleCells {
public:
    explicit AccessibleCells(const GridAccessSource &source) : source_(source) {}
    ~AccessibleCells();
    AccessibleCells(const AccessibleCells &) = delete;
    AccessibleCells &operator=(const AccessibleCells &) = delete;

    // The cell's interface, registered with the toolkit; null outside the grid.
    [[nodiscard]] QAccessibleInterface *cell(QPoint cell) const;
    // Sends the grids' events to `handler` instead of the toolkit (null: to
    // the toolkit again); returns the handler before. The toolkit drops
    // every event, its own handler's too, while no assistive technology is
    // active, so this is how a test sees them.
    static QAccessible::UpdateHandler installAnnouncer(QAccessible::UpdateHandler handler);

    // Assistive technology asked for the grid's own interface.
    void setQueried() { queried_ = true; }

    // Something shown changed, the names of the cells in `area` among them
    // (a column's cells when one of its texts changed: a cell may be named
    // after the others): a name change for each known cell there whose name
    // differs from the one last read, and a focus event for the current cell
    // when it moved or the focus arrived.
    void viewChanged(const QRect &area);
    // The focus is arriving at the grid: the toolkit announces the grid
    // itself once the focus event is over, and focusArrived() then announces
    // the current cell, so that the cell is heard last.
    void focusArriving() { focusArriving_ = true; }
    void focusArrived();
    // The column or row count changed: the known cells are dropped and the
    // table's model change is sent.
    void countsChanged();

private:
    struct Known {
        QAccessible::Id id;
        QString name;
    };

    [[nodiscard]] bool isListening() const;
    static void send(QAccessibleEvent &event);
    [[nodiscard]] int indexOf(QPoint cell) const;
    void announceNames(const QRect &area);
    void announceFocus();
    void drop();

    const GridAccessSource &source_;
    mutable QHash<quint64, Known> known_;
    bool queried_ = false;
    // The cell last announced as focused; none while the focus is elsewhere.
    QPoint focused_{-1, -1};
    bool focusArriving_ = false;
};
