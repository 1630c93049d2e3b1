// dialog.h - CDialog: a modal dialog built from a dialog template.
//
//     CMyDlg dialog;                  // a CDialog subclass for IDD_MY
//     INT_PTR result = dialog.DoModal();
//
// DoModal creates the window from the template in the program's resources,
// calls OnInitDialog, disables the owner and runs a message loop of its own
// until a handler calls EndDialog; then it destroys the window and returns
// the id it was ended with (-1 when the window could not be created).  The
// dialog is centred over its owner, or on the screen when it has none,
// unless OnInitDialog moved it.
//
// Messages go to the handlers of the class's command table; IDOK and IDCANCEL
// end the dialog through OnOK and OnCancel, which is what the OK button, Esc
// and the close box do.  Each message the loop takes for the dialog or one
// of its controls goes to PreTranslateMessage, then to the dialog's
// accelerator table (LoadAccelTable: keys such as Ctrl+C that send a command
// from anywhere in the dialog), before the dialog manager sees it.
#pragma once

#include <windows.h>

#include <vector>

#include "wnd.h"

class CDialog;

// Passed to DoDataExchange.  The program's dialogs only bind controls, so
// it carries nothing but the dialog.
class CDataExchange {
public:
    explicit CDataExchange(CDialog& dialog) : m_pDlgWnd(&dialog) {}

    CDialog* m_pDlgWnd;
};

// Binds the wrapper to the dialog's control with that id.  The wrapper is
// detached again when the dialog's window is destroyed.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    // parent: the owner; the application's main window when none is given.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // The accelerator table with that id in the program's resources.
    void LoadAccelTable(UINT id);

    static const MessageMap& ThisMessageMap();
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

protected:
    // Called once the window and its controls exist.  Returns true to let the
    // system put the focus on the first tab stop.  The base binds the
    // controls (DoDataExchange).
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

    virtual void OnOK();
    virtual void OnCancel();

    // Sees each message for the dialog or one of its controls that the modal
    // loop takes from the queue, before the accelerators and the dialog
    // manager do; returns true when it has handled the message, which then
    // goes no further.
    virtual bool PreTranslateMessage(const MSG& message);

    // The default painting of the dialog.
    void OnPaint();

private:
    friend void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();
    INT_PTR HandleInitDialog();
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterWindow();
    void DetachControls();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::vector<CWnd*> m_boundControls;
    HACCEL m_hAccelTable = nullptr;
    bool m_bModalEnded = false;
    INT_PTR m_nModalResult = -1;
};
