#pragma once

#include "app/windowset.h"
#include "editor/editorgrid.h"
#include "support/recordingdialogs.h"
#include "support/tempdir.h"

#include <QAction>
#include <QApplication>
#include <QTest>

// The real window set with its settings file in a scratch folder, the
// editor shown, and helpers to make colour files and read the grid.
struct EditorFixture {
    TempDir dir;
    WindowSet windows;

    EditorFixture()
    {
        recordedDialogs().reset();
        windows.startWindow.startFolder() = StartFolder(SettingsFile(dir.folder()));
        windows.show();
        windows.startWindow.Button5Click();
    }

    TForm3 &editor() { return windows.editorWindow; }
    EditorGrid &grid() { return *windows.editorWindow.grid(); }
    QString settingsPath() const { return dir.path(QStringLiteral("rozirazuz.INI")); }

    // A file whose every byte differs from its neighbours.
    QString makeFile(const QString &name, int size) const { return dir.write(name, TempDir::pattern(size)); }

    // Opens `path` with the start folder already stored.
    void open(const QString &path)
    {
        if (!QFile::exists(settingsPath()))
            dir.write(QStringLiteral("rozirazuz.INI"),
                      "[settings]\nstartdir=" + dir.folder().toUtf8() + "\n");
        recordedDialogs().answer(path);
        editor().Open1Click();
    }

    void setCell(int col, int row, const QString &text) { grid().setCell(col, row, text); }

    QStringList commandStates()
    {
        QStringList states;
        for (QAction *command : editor().menuCommands())
            states << command->text() +
                          (command->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
        return states;
    }

    // A generated SPL file open, the grid focused in the active editor window.
    [[nodiscard]] bool openAndFocus()
    {
        open(makeFile(QStringLiteral("x.spl"), 1200));
        return focus();
    }
    [[nodiscard]] bool focus()
    {
        QApplication::setActiveWindow(&editor());
        if (!QTest::qWaitForWindowActive(&editor()))
            return false;
        grid().setFocus();
        return grid().hasFocus();
    }
};
