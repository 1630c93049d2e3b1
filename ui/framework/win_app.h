// win_app.h - CWinApp: the one application object, and the Afx functions
// that reach it.
//
// The program defines exactly one object of a CWinApp subclass with static
// storage; its constructor makes it the application.  The entry point
// (AfxWinMain) calls its InitInstance, in which the whole application runs:
// typically one modal main window.  When InitInstance returns, the process
// ends; the framework runs no message loop of its own.
//
// Text crosses these functions as UTF-8: file names, message texts and
// captions may hold any character, whatever the system's code page.
#pragma once

#include <windows.h>

#include <string>

#include "cmd_target.h"

class CWnd;

// The standard Help command.
constexpr UINT ID_HELP = 0xE146;  // 57670

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Runs the application; returns whether a message loop should follow
    // (the programs built on this framework return false).
    virtual BOOL InitInstance() = 0;

    // The application's name: the program file's name without its folder
    // and extension.  It captions every AfxMessageBox.
    const std::string& AppName() const;

    // The help page: the file m_strHelpPageName in the program file's folder,
    // whatever the program file is called.
    std::string HelpFilePath() const;

    // The default handler of ID_HELP: opens the help page with the user's
    // browser, or tells the user that the page is missing (and
    // m_strHelpPageMissing) or that the browser did not start.  An
    // application makes help available by mapping ID_HELP to it in its
    // command table.
    void OnHelp();

    // Owns message boxes; set while the main window runs.
    CWnd* m_pMainWnd = nullptr;

protected:
    // The help page's file name, set by the application, and what the user
    // can do when it is not beside the program.
    std::string m_strHelpPageName;
    std::string m_strHelpPageMissing;

private:
    mutable std::string m_strAppName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The module whose resources (dialog templates, strings, icons) are used: the
// program file.
HINSTANCE AfxGetResourceHandle();

// The full path of the program file (UTF-8).
std::string AfxGetModuleFileName();

// A string of the string table (UTF-8); empty when there is none with that
// id.
std::string AfxLoadString(UINT id);

// A modal message box owned by the main window and captioned with the
// application's name; the text is UTF-8.  Returns the id of the button
// pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The framework's entry point: runs the application object's InitInstance.
int AfxWinMain();
