// file_dialog.h - the system's Open and Save dialogs, set up in one place.
//
// Both ask for one file, with no owner window (so the main window stays
// usable while they are open), the first filter entry selected and an empty
// file-name field; Open asks for a file that exists, Save before it writes
// over one.  The name comes back as UTF-8 and may be of any length
// the system allows, past MAX_PATH.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct FileDialogSettings {
    const wchar_t* title;
    const wchar_t* filter;            // pairs of zero-ended name and pattern
    const wchar_t* defaultExtension;  // appended to a name typed without one
};

enum class FileDialogKind { Open, Save };

// Shows the dialog.  Returns the chosen full path, or nothing when the user
// cancelled.  A dialog that failed (anything but Cancel) is told to the user
// in a message box, and gives nothing too.
std::optional<std::string> AskFileName(FileDialogKind kind, const FileDialogSettings& settings);
