#include "app/windowset.h"

WindowSet::WindowSet() : startWindow(table, file), editorWindow(startWindow, table, file)
{
    startWindow.setEditorWindow(&editorWindow);
    editorWindow.setNotesWindow(&notesWindow);
}

void WindowSet::show()
{
    startWindow.show();
}
