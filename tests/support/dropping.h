#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

// What a drop onto a widget answered.
struct DropAnswer {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

// Drops `data` at `pos` of `target` as the platform delivers a drop: the
// drag enters, then drops.
inline DropAnswer dropOnto(QWidget *target, const QMimeData *data, QPoint pos,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &drop);
    return {drop.isAccepted(), drop.dropAction()};
}
