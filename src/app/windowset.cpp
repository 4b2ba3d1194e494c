#include "app/windowset.h"

WindowSet::WindowSet() : editorWindow(startWindow, table)
{
    startWindow.setEditorWindow(&editorWindow);
    editorWindow.setNotesWindow(&notesWindow);
}

void WindowSet::show()
{
    startWindow.show();
}
