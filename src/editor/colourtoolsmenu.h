#pragma once

#include "editor/colourtools.h"

#include <QList>
#include <QPoint>

class EditorGrid;
class QAction;
class QMenu;
class QWidget;

// Where the colour tools are reached: the grid's context menu and their
// shortcuts, which work while the grid or its in-place editor has the
// focus (in the editor, only those it does not use itself). The menu shows
// which commands can run; a shortcut of one that cannot does nothing.
class ColourToolsMenu {
public:
    // Dialogs and boxes open over `owner`.
    ColourToolsMenu(EditorGrid &grid, ColourTools &tools, QWidget &owner);

    // The menu's items in order, the separator included.
    [[nodiscard]] QList<QAction *> menuItems() const;

private:
    void popup(QPoint globalPos);
    void run(ColourTools::Command command);

    ColourTools &tools_;
    QWidget &owner_;
    QMenu *menu_;
};
