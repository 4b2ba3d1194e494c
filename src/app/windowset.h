#pragma once

#include "app/editorwindow.h"
#include "app/startwindow.h"
#include "colour/colourtable.h"
#include "colour/splpalfile.h"
#include "notes/noteswindow.h"

// The program's three windows and the data they share, made in start-up
// order: the start window (the main window), the editor, the notes window.
class WindowSet {
public:
    WindowSet();

    // Shows the start window; the other two start hidden.
    void show();

    ColourTable table; // the one colour table, from start-up to exit
    SplPalFile file;   // the SPL or PAL file being edited
    TForm1 startWindow;
    TForm3 editorWindow;
    TForm4 notesWindow;
};
