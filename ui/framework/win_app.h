// win_app.h - CWinApp: the one application object, made by defining one
// object of a subclass with static storage, and the Afx functions that
// reach it.  AfxWinMain runs its InitInstance, in which the whole program
// runs; the framework has no message loop of its own.  Text crosses these
// functions as UTF-8, whatever the system's code page.
#pragma once

#include <windows.h>

#include <string>

#include "cmd_target.h"

class CWnd;

constexpr UINT ID_HELP = 0xE146;  // 57670

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance() = 0;

    // The program file's name without folder and extension: the caption of
    // every AfxMessageBox.
    std::string AppName() const;
    // m_strHelpPageName in the program file's folder.
    std::string HelpFilePath() const;
    // ID_HELP's handler, where the command table maps it: opens the help page
    // with the user's browser, or says that the page is missing (and
    // m_strHelpPageMissing) or that the browser did not start.
    void OnHelp();

    // Owns message boxes while the main window runs.
    CWnd* m_pMainWnd = nullptr;

protected:
    std::string m_strHelpPageName;
    std::string m_strHelpPageMissing;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
inline HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandle(nullptr);
}
std::string AfxGetModuleFileName();
// Empty when the string table has no string with that id.
std::string AfxLoadString(UINT id);
// Owned by the main window, captioned with AppName; returns the button.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
int AfxWinMain();
