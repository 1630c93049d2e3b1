// file_choice.h - choosing an input file with the system's Open dialog.
#pragma once

#include <string>

#include "framework/list_box.h"

struct FileChoice {
    const char* title;
    const char* filter;  // pairs of zero-ended name and pattern
    const char* defaultExtension;
};

// Shows the Open dialog (no owner, so the main window stays usable).  When
// the user picks a file, its full path becomes path and the only row of
// list; when the user cancels, the earlier choice stays.
void ChooseInputFile(const FileChoice& choice, std::string& path, CListBox& list);

// Makes chosen the file of that field: its path member and the only row of
// its list.  Choosing in the Open dialog and dropping a file both end here.
void ShowChosenFile(const std::string& chosen, std::string& path, CListBox& list);
