// report_window.h - the main window under test, with a report in its result
// list, and the dialogs that Save and Print open.
//
//     ReportWindow window;
//     window.Run([&](HWND main) {
//         window.ShowRows(main, {"MISMATCH ...", ""});
//         auto save = dialog_driver::ClickDlgItem(main, IDC_SAVE);
//         ...
//     });
//
// The test program has its own application object, whose command table
// answers the Help command by counting, so that a test can see where the
// Help button of the Print dialog leads.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"

constexpr const char* kSaveDialogTitle = "Output log file";
constexpr const char* kPrintDialogTitle = "Print";

// How often the application's ID_HELP handler has run.
int HelpCommandsSeen();

class ReportWindow {
public:
    // Runs the main window modally on this thread and script on a driver
    // thread, with the main window's handle.  The window is closed
    // afterwards.
    void Run(const std::function<void(HWND main)>& script);

    // Fills the result list with these rows (bytes), as a comparison does.
    static void ShowRows(HWND main, const std::vector<std::string>& rows);
    // The rows the list shows, in UTF-8.
    static std::vector<std::string> ShownRows(HWND main);
};

// The rows as the system's code page reads them, in UTF-8: as the list
// shows them.
std::vector<std::string> AsShown(const std::vector<std::string>& rows);

// Rows "row 1" ... "row <count>".
std::vector<std::string> NumberedRows(int count);

// The Save dialog: types the name, presses Save; when the file exists, waits
// for the question whether to replace it and answers with answer (IDYES or
// IDNO).  True when the question came (or, for a new file, was not needed)
// and was answered.
bool SaveAs(const std::string& name, int answer = IDYES);

// A fresh empty folder for one test, under the build tree's scratch folder.
// Names are UTF-8 and may be long; name may hold backslashes (a path).
std::string FreshFolder(const std::string& name);
// The names of the files in a folder.
std::vector<std::string> FilesIn(const std::string& folder);
// The bytes of a file.
bool ReadReport(const std::string& path, std::string& bytes);
