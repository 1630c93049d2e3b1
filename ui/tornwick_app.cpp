#include "tornwick_app.h"

#include <commctrl.h>

#include "tornwick_dlg.h"

const MessageMap& CtornwickApp::ThisMessageMap()
{
    // Help is available (the Print dialog shows its Help button, the main
    // window's Help button sends this command), and opens the help page.
    static const MessageMapEntry entries[] = {
        OnCommand<&CWinApp::OnHelp>(ID_HELP),
    };
    static const MessageMap map{&CWinApp::ThisMessageMap, entries};
    return map;
}

CtornwickApp::CtornwickApp()
{
    // Beside tornwick.exe, whatever the program file is called.
    m_strHelpPageName = "tornwick-help.html";
    // Explorer runs a program from inside a zip by copying the program
    // alone into a temporary folder.
    m_strHelpPageMissing = "Unzip the whole tornwick package into a folder, then start tornwick.exe from there: "
                           "the help page comes with it.";
}

BOOL CtornwickApp::InitInstance()
{
    ::InitCommonControls();

    CtornwickDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;  // the window object ends with this function
    return FALSE;
}
