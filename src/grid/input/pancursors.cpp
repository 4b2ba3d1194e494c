#include "grid/input/pancursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr qreal kCentre = PanCursors::kSize / 2.0;

// An arrow head pointing up (tip above the base) or down, away from the dot.
QPolygonF arrow(bool up)
{
    const qreal tip = up ? 3.5 : PanCursors::kSize - 3.5;
    const qreal base = up ? 11.5 : PanCursors::kSize - 11.5;
    return QPolygonF({QPointF(kCentre, tip), QPointF(kCentre - 6, base), QPointF(kCentre + 6, base)});
}

} // namespace

PanCursors::PanCursors()
{
    for (PanDirection direction : {PanDirection::None, PanDirection::Up, PanDirection::Down})
        cursors_[index(direction)] = QCursor(pixmap(direction), int(kCentre), int(kCentre));
}

QPixmap PanCursors::pixmap(PanDirection direction)
{
    QPainterPath shape;
    shape.addEllipse(QPointF(kCentre, kCentre), 3, 3);
    for (bool up : {true, false}) {
        if (direction != (up ? PanDirection::Down : PanDirection::Up)) {
            shape.addPolygon(arrow(up));
            shape.closeSubpath();
        }
    }

    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.drawPath(shape); // the rim outside only: the fill covers the pen's inner half
    return pixmap;
}
