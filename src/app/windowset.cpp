#include "app/windowset.h"

WindowSet::WindowSet() : editorWindow(startWindow, startWindow.startFolder(), table, file)
{
    startWindow.setEditorWindow(&editorWindow);
    startWindow.setOpenCommand(&editorWindow.openCommand());
    editorWindow.setNotesWindow(&notesWindow);
}

void WindowSet::show()
{
    startWindow.show();
}
