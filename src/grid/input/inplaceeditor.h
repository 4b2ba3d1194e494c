#pragma once

#include <QLineEdit>

class EditorHost;

// The grid's in-place editor: a borderless line edit over the current cell.
// It keeps the keys that work on its text and hands the grid's keys
// (vertical moves, Tab, Enter, Escape, Insert, Shift+F10) to its host. A
// right click on it shows the line edit's own menu for its text; the Menu
// key goes on to the grid's context menu.
class InplaceEditor : public QLineEdit {
    Q_OBJECT

public:
    InplaceEditor(EditorHost &host, QWidget *parent);
    // The host is going away: events from now on are the line edit's alone.
    void detach() { host_ = nullptr; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    EditorHost *host_;
};
