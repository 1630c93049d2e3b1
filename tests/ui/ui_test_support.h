// ui_test_support.h - what the window tests share: the application object,
// the test files, the cases that give their reports, and a handle on the
// running main window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "case_rows.h"
#include "dialog_driver.h"
#include "tornwick_app.h"

extern CtornwickApp theApp;

// Files copied beside the test program: fixtures\NAME and samples\NAME.
std::string TestFile(const std::string& relativePath);

// The window tests' page and two listings.
inline const std::string kHtml = TestFile("fixtures\\lotw.html");
inline const std::string kListingA = TestFile("fixtures\\listing-a.csv");
inline const std::string kListingB = TestFile("fixtures\\listing-b.csv");

// A copy of a test file in a fresh temporary folder, for tests that delete
// it; the folder goes when the object ends.  The name (UTF-8) may hold one
// folder of its own: "Жук\\listing.csv".
class TemporaryCopy {
public:
    explicit TemporaryCopy(const std::string& source, const std::string& name);
    ~TemporaryCopy();
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string subfolder_;
    std::string path_;
};

// The cases of tests/cases that compare these files (CaseRows gives their
// rows): the rows the window must show for them.
inline const char* const kCaseA = "rows/worked-and-submitted-cells-are-not-checked";
inline const char* const kSubmittedCaseA = "rows/submitted-cells-are-checked-when-asked";
inline const char* const kCaseB = "header/country-name-listing-with-a-delete-mark";
inline const char* const kAccentsCase = "rows/names-keep-their-bytes";

// The main window as the driver sees it.
class MainWindow {
public:
    explicit MainWindow(HWND window) : window_(window) {}

    HWND Window() const { return window_; }
    HWND Item(int id) const { return ::GetDlgItem(window_, id); }

    // Chooses the file through the real Open dialog.
    bool ChooseHtml(const std::string& path);
    bool ChooseCsv(const std::string& path);
    // Opens the Open dialog and cancels it.
    bool CancelChoosingHtml();

    // Presses Compare and waits until the handler has returned.
    bool Compare();
    // Presses the button, expects a stop-icon message box owned by the main
    // window and captioned kProgramCaption, dismisses it and returns its text.
    std::optional<std::string> ButtonMessage(int buttonId);

    // The row of a file list (UTF-8), and the report rows (bytes).
    std::vector<std::string> FileRows(int listId) const;
    std::vector<std::string> ResultRows() const;

private:
    bool Choose(int buttonId, const char* dialogTitle, const std::string& path);

    HWND window_;
};

// Runs a fresh main window modally with script driving it; returns what
// DoModal returned.  The script should end the window; whatever it leaves
// open is cancelled.
INT_PTR RunMainWindow(const std::function<void(MainWindow&)>& script);
