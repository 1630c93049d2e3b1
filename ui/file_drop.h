// file_drop.h - files dropped on the main window: one LoTW page (.htm,
// .html, in any case) and one VELLUM listing (.csv), in either order, each
// as if chosen in the Open dialog.  Anything else (a folder, another kind,
// a second page or listing) refuses the whole drop and says what tornwick
// takes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct DropSorting {
    std::string html;
    std::string csv;
    std::string refusal;  // the message box's text; empty when accepted
};

// names: UTF-8 full paths.
DropSorting SortDroppedFiles(const std::vector<std::string>& names,
                             const std::function<bool(const std::string&)>& isFolder);

// UTF-8 full paths, read with the wide API so that any name survives.
std::vector<std::string> DroppedFileNames(HDROP drop);

bool IsFolder(const std::string& name);
