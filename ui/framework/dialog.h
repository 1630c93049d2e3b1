// dialog.h - CDialog: a modal dialog made from a template in the program's
// resources.  DoModal creates it, disables the owner and runs a message loop
// of its own until EndDialog; each message for the dialog goes to
// PreTranslateMessage, then to the accelerator table (LoadAccelTable), then
// to the dialog manager.  The dialog is centred over its owner, or on the
// screen, unless OnInitDialog moved it; DoModal returns the id it was ended
// with, or -1 when the window could not be created.
#pragma once

#include <windows.h>

#include <vector>

#include "win_app.h"
#include "wnd.h"

class CDialog;

// The program's dialogs only bind controls: the exchange carries the dialog.
struct CDataExchange {
    CDialog* m_pDlgWnd;
};

// Binds the wrapper to the control with that id until the dialog's window
// is destroyed.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    // parent: the owner; the application's main window when none is given.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
    ~CDialog() override { DetachControls(); }

    INT_PTR DoModal();
    void EndDialog(INT_PTR result)
    {
        m_nModalResult = result;
        m_bModalEnded = true;
        ::PostMessage(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    }
    void LoadAccelTable(UINT id) { m_hAccelTable = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(id)); }

    static const MessageMap& ThisMessageMap();
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

protected:
    // Returns true to let the system put the focus on the first tab stop.
    virtual BOOL OnInitDialog()
    {
        CDataExchange exchange{this};
        DoDataExchange(&exchange);
        return TRUE;
    }
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // True when it has handled the message, which then goes no further.
    virtual bool PreTranslateMessage(const MSG&) { return false; }
    // Paints what the dialog manager paints: the controls draw themselves.
    void OnPaint() { ::DefWindowProcW(m_hWnd, WM_PAINT, 0, 0); }

private:
    friend void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterWindow();
    void DetachControls()
    {
        for (CWnd* control : m_boundControls)
            control->Detach();
        m_boundControls.clear();
    }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::vector<CWnd*> m_boundControls;
    HACCEL m_hAccelTable = nullptr;
    bool m_bModalEnded = false;
    INT_PTR m_nModalResult = -1;
};
