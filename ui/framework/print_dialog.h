// print_dialog.h - the system's Print dialog.
//
//     CPrintDialog dialog(CPrintDialog::DefaultFlags, this);
//     if (dialog.DoModal() != IDOK)
//         return;                          // cancelled: nothing to release
//     CDC printer;
//     printer.Attach(dialog.DetachPrinterDC());
//
// The dialog always asks for a device context of the chosen printer
// (PD_RETURNDC).  It owns the printer's settings records and frees them when
// it ends; a device context nobody took is deleted then too.
//
// When the application's command table handles ID_HELP the dialog shows a
// Help button, which sends ID_HELP to the application, as a menu item would.
// The dialog stays open and the system's own help message is never sent.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <utility>

#include "win_app.h"
#include "wnd.h"

// The dialog's flags unless given: all pages, copies kept in the printer
// settings, no page numbers, no print-to-file box, no selection.
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
            // The hook turns the Help button into the ID_HELP command.
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

    // Shows the dialog modally; IDOK when the user confirmed, IDCANCEL when
    // the user cancelled or the dialog could not be shown.  A second run asks
    // for a fresh context; the old one is not leaked.
    INT_PTR DoModal()
    {
        CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
        m_pd.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
        if (m_pd.hDC)
            ::DeleteDC(std::exchange(m_pd.hDC, nullptr));
        return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
    }

    // Hands the device context over; the caller deletes it.
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
        // TRUE for WM_INITDIALOG lets the dialog put the focus on its first
        // control; FALSE for the rest leaves them to the dialog's own handling.
        return message == WM_INITDIALOG;
    }

    CWnd* m_pParentWnd;
};
