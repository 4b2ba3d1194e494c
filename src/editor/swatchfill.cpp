#include "editor/swatchfill.h"

#include <QPainter>

void fillSwatch(QPainter &painter, const QRect &rect, const QColor &colour)
{
    if (colour.isValid()) {
        painter.fillRect(rect, colour);
        return;
    }
    painter.fillRect(rect, Qt::white);
    painter.save();
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
    painter.restore();
}

QString swatchWords(int red, int green, int blue, int fourth)
{
    return QStringLiteral("%1 %2 %3, fourth %4, %5")
        .arg(red)
        .arg(green)
        .arg(blue)
        .arg(fourth)
        .arg(QColor(red, green, blue).name());
}
