#include "print_dialog.h"

#include <dlgs.h>

#include <utility>

#include "win_app.h"
#include "wnd.h"

CPrintDialog::CPrintDialog(DWORD flags, CWnd* parent) : m_pParentWnd(parent)
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = flags | PD_RETURNDC;

    CWinApp* app = AfxGetApp();
    if (app && app->HandlesCommand(ID_HELP)) {
        // The hook turns the Help button into the ID_HELP command.
        m_pd.Flags |= PD_SHOWHELP | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
        m_pd.lpfnPrintHook = HookProc;
        m_pd.lpfnSetupHook = HookProc;
    }
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    m_pd.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    // A second run asks for a fresh context; the old one is not leaked.
    if (m_pd.hDC)
        ::DeleteDC(std::exchange(m_pd.hDC, nullptr));
    return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

HDC CPrintDialog::DetachPrinterDC()
{
    return std::exchange(m_pd.hDC, nullptr);
}

UINT_PTR CALLBACK CPrintDialog::HookProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == pshHelp && HIWORD(wParam) == BN_CLICKED) {
        if (CWinApp* app = AfxGetApp())
            app->OnCmdMsg(ID_HELP);
        return TRUE;  // handled: the dialog sends nothing to its owner
    }
    // TRUE for WM_INITDIALOG lets the dialog put the focus on its first
    // control; FALSE for the rest leaves them to the dialog's own handling.
    return message == WM_INITDIALOG;
}
