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

class CWnd;

// The dialog's flags unless given: all pages, copies kept in the printer
// settings, no page numbers, no print-to-file box, no selection.
constexpr DWORD AFX_PD_DEFAULT_FLAGS =
    PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

class CPrintDialog {
public:
    // parent: the owner; the application's main window when none is given.
    explicit CPrintDialog(DWORD flags = AFX_PD_DEFAULT_FLAGS, CWnd* parent = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // Shows the dialog modally; IDOK when the user confirmed, IDCANCEL when
    // the user cancelled or the dialog could not be shown.
    INT_PTR DoModal();

    // Hands the device context over; the caller deletes it.
    HDC DetachPrinterDC();

    PRINTDLG m_pd{};

private:
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;
};
