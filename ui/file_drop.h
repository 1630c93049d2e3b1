// file_drop.h - files dropped on the main window: one LoTW page (.htm,
// .html, in any case) and one VELLUM listing (.csv), in either order, each
// as if chosen in the Open dialog.  Anything else (a folder, another kind,
// a second page or listing) refuses the whole drop and says what tornwick
// takes.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// UTF-8 full paths, read with the wide API so that any name survives; empty
// for a field the drop does not fill.
struct DropSorting {
    std::string html;
    std::string csv;
    std::string refusal;  // the message box's text; empty when accepted
};

// Reads the dropped names and ends the drop (DragFinish).
DropSorting SortDroppedFiles(HDROP drop);
