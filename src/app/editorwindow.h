#pragma once

#include "about/aboutsettings.h"
#include "platform/gui/windowplacement.h"

#include <QMainWindow>

#include <memory>

class ColourCommands;
class ColourTable;
class ColourTools;
class ColourToolsMenu;
class EditorGrid;
class OpenCommand;
class QAction;
class SplPalFile;
class StartFolder;
class TForm4;

// The editor window: the grid and the menu bar of commands.
class TForm3 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char *kStartCaption = "Click Open to Start.";

    TForm3(QWidget &startWindow, StartFolder &startFolder, ColourTable &table, SplPalFile &file,
           QWidget *parent = nullptr);
    ~TForm3() override;

    void setNotesWindow(TForm4 *notes) { notesWindow_ = notes; }

    // Menu commands.
    void Open1Click();
    void ImportColors1Click();
    void Save1Click();
    void svclrClick();
    void Notes1Click();
    void About1Click();

    [[nodiscard]] EditorGrid *grid() const { return StringGrid1; }
    [[nodiscard]] OpenCommand &openCommand() const { return *open_; }
    [[nodiscard]] QList<QAction *> menuCommands() const;
    [[nodiscard]] ColourToolsMenu &colourToolsMenu() const { return *toolsMenu_; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    QAction *addMenuCommand(const QString &caption, bool enabled, void (TForm3::*handler)());

    QWidget &startWindow_;
    ColourTable &table_;
    SplPalFile &file_;
    TForm4 *notesWindow_ = nullptr;
    EditorGrid *StringGrid1;
    std::unique_ptr<OpenCommand> open_;
    std::unique_ptr<ColourCommands> commands_;
    std::unique_ptr<ColourTools> tools_;
    std::unique_ptr<ColourToolsMenu> toolsMenu_;
    QAction *Open1;
    QAction *ImportColors1;
    QAction *Save1;
    QAction *svclr;
    QAction *Notes1;
    QAction *About1;
    FirstShowPlacement placement_{FirstShowPlacement::Area::Desktop, QSize(750, 281)};
    AboutSettings aboutSettings_;
};
