// file_drop.h - files dropped on the main window from Explorer.
//
// A drop may hold one LoTW page (.htm or .html, in any case) and one VELLUM
// listing (.csv), in either order; each fills its field exactly as choosing
// it in the Open dialog does.  Anything else - a folder, another kind of
// file, a second page or listing - refuses the whole drop, so that nothing
// changes, and the user is told what tornwick takes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What to do with one drop: the page and listing it names (empty when it
// names none), or why it is refused.
struct DropSorting {
    std::string html;
    std::string csv;
    std::string refusal;  // the message box's text; empty when accepted
};

// Sorts the dropped names (UTF-8 full paths); isFolder tells a folder from a
// file.
DropSorting SortDroppedFiles(const std::vector<std::string>& names,
                             const std::function<bool(const std::string&)>& isFolder);

// The names a drop carries, as UTF-8 full paths (read with the wide API, so
// that any name survives).
std::vector<std::string> DroppedFileNames(HDROP drop);

// Whether the name is that of an existing folder.
bool IsFolder(const std::string& name);
