#include "about/aboutpicture.h"

#include <QPainter>

QImage aboutPicture(const QImage &icon, const QColor &buttonFace)
{
    const int w = 2 * icon.width() + 8;
    const int h = 2 * icon.height() + 8;
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(buttonFace);

    // The icon is first put on button face, so its transparent parts show
    // that colour, then stretched pixel for pixel, without smoothing.
    QImage onFace(icon.size(), QImage::Format_RGB32);
    onFace.fill(buttonFace);
    {
        QPainter painter(&onFace);
        painter.drawImage(0, 0, icon);
    }

    QPainter painter(&picture);
    const QColor shadow(128, 128, 128);
    painter.fillRect(QRect(QPoint(6, h - 6), QPoint(w - 1, h - 1)), shadow);
    painter.fillRect(QRect(QPoint(w - 6, 6), QPoint(w - 1, h - 1)), shadow);
    painter.drawImage(QRect(QPoint(1, 1), QPoint(w - 7, h - 7)), onFace);
    // The frame's outer edge runs along (0, 0) to (w - 6, h - 6).
    const int right = w - 6;
    const int bottom = h - 6;
    painter.fillRect(0, 0, right + 1, 1, Qt::black);
    painter.fillRect(0, bottom, right + 1, 1, Qt::black);
    painter.fillRect(0, 0, 1, bottom + 1, Qt::black);
    painter.fillRect(right, 0, 1, bottom + 1, Qt::black);
    return picture;
}
