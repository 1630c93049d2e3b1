// print_dialog.h - the system's Print dialog, which always asks for the
// chosen printer's device context (PD_RETURNDC, taken by DetachPrinterDC)
// and frees the printer's settings, and a context nobody took, when it
// ends.  When the application's command table handles ID_HELP, the dialog
// has a Help button that sends ID_HELP to the application, as a menu item
// would, and stays open; the system's own help message is never sent.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <utility>

#include "win_app.h"
#include "wnd.h"

constexpr DWORD AFX_PD_DEFAULT_FLAGS =
    PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

class CPrintDialog {
public:
    // parent: the owner; the application's main window when none is given.
    explicit CPrintDialog(DWORD flags = AFX_PD_DEFAULT_FLAGS, CWnd* parent = nullptr) : m_pParentWnd(parent)
    {
        m_pd.lStructSize = sizeof m_pd;
        m_pd.Flags = flags | PD_RETURNDC;
        CWinApp* app = AfxGetApp();
        if (app && app->HandlesCommand(ID_HELP)) {
            m_pd.Flags |= PD_SHOWHELP | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
            m_pd.lpfnPrintHook = HookProc;
            m_pd.lpfnSetupHook = HookProc;
        }
    }
    ~CPrintDialog()
    {
        if (m_pd.hDC)
            ::DeleteDC(m_pd.hDC);
        if (m_pd.hDevMode)
            ::GlobalFree(m_pd.hDevMode);
        if (m_pd.hDevNames)
            ::GlobalFree(m_pd.hDevNames);
    }
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDCANCEL also when the dialog could not be shown.  A second run asks
    // for a fresh context and deletes the old one.
    INT_PTR DoModal()
    {
        CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
        m_pd.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
        if (m_pd.hDC)
            ::DeleteDC(std::exchange(m_pd.hDC, nullptr));
        return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
    }

    HDC DetachPrinterDC() { return std::exchange(m_pd.hDC, nullptr); }

    PRINTDLG m_pd{};

private:
    static UINT_PTR CALLBACK HookProc(HWND, UINT message, WPARAM wParam, LPARAM)
    {
        if (message == WM_COMMAND && LOWORD(wParam) == pshHelp && HIWORD(wParam) == BN_CLICKED) {
            if (CWinApp* app = AfxGetApp())
                app->OnCmdMsg(ID_HELP);
            return TRUE;  // handled: the dialog sends nothing to its owner
        }
        // TRUE for WM_INITDIALOG: the dialog puts the focus on its first control.
        return message == WM_INITDIALOG;
    }

    CWnd* m_pParentWnd;
};
