#include "editor/colourtoolsmenu.h"

#include "editor/editorgrid.h"
#include "platform/gui/errorreporting.h"

#include <QAction>
#include <QMenu>

namespace {

struct Item {
    ColourTools::Command command;
    const char *text;
    QKeyCombination keys;
    bool separatorBefore;
};

using Command = ColourTools::Command;

const Item kItems[] = {
    {Command::PickColor, "Pick Color...", Qt::CTRL | Qt::Key_K, false},
    {Command::Ramp, "Ramp", Qt::CTRL | Qt::Key_R, false},
    {Command::RampByHue, "Ramp by Hue", Qt::CTRL | Qt::SHIFT | Qt::Key_R, false},
    {Command::AdjustColors, "Adjust Colors...", Qt::CTRL | Qt::Key_H, false},
    {Command::PaletteOverview, "Palette Overview", Qt::CTRL | Qt::Key_P, false},
    {Command::CompareWith, "Compare With...", Qt::CTRL | Qt::Key_D, false},
    {Command::CopyAsHex, "Copy as Hex", Qt::CTRL | Qt::SHIFT | Qt::Key_C, true},
    {Command::PasteHex, "Paste Hex", Qt::CTRL | Qt::SHIFT | Qt::Key_V, false},
};

} // namespace

ColourToolsMenu::ColourToolsMenu(EditorGrid &grid, ColourTools &tools, QWidget &owner)
    : tools_(tools), owner_(owner), menu_(new QMenu(&grid))
{
    for (const Item &item : kItems) {
        const QString text = QString::fromLatin1(item.text);
        const ColourTools::Command command = item.command;
        // The grid's action carries the shortcut, for the grid and its editor.
        auto *shortcut = new QAction(text, &grid);
        shortcut->setShortcut(item.keys);
        shortcut->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QAction::triggered, &grid, [this, command] { run(command); });
        grid.addAction(shortcut);
        // The menu's item shows the shortcut and is enabled as the command can run.
        if (item.separatorBefore)
            menu_->addSeparator();
        QAction *entry = menu_->addAction(text);
        entry->setData(int(command));
        entry->setShortcut(item.keys);
        entry->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(entry, &QAction::triggered, menu_, [this, command] { run(command); });
    }
    grid.onContextMenu = [this](QPoint globalPos) { popup(globalPos); };
}

QList<QAction *> ColourToolsMenu::menuItems() const
{
    return menu_->actions();
}

void ColourToolsMenu::popup(QPoint globalPos)
{
    for (QAction *entry : menu_->actions()) {
        if (!entry->isSeparator())
            entry->setEnabled(tools_.isEnabled(ColourTools::Command(entry->data().toInt())));
    }
    menu_->popup(globalPos);
}

void ColourToolsMenu::run(ColourTools::Command command)
{
    guarded([&] { tools_.run(command, &owner_); });
}
