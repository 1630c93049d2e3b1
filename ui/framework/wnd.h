// wnd.h - CWnd: a window handle with the operations the program uses.
//
// The windows are Unicode windows: SendMessage sends the wide form of a
// message, so that text such as a file name reaches the window whole.
//
// A CWnd does not own its window.  Dialog windows are created and destroyed
// by CDialog::DoModal, and controls die with their dialog; the wrappers bound
// to them are detached then (see CDialog).
#pragma once

#include <windows.h>

#include <string>

#include "cmd_target.h"
#include "menu.h"

class CFont;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND window) { m_hWnd = window; }
    HWND Detach();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    bool IsIconic() const;
    RECT GetClientRect() const;
    void Invalidate(bool erase = true);

    // The window's system menu, as it is now (revert false) or reset to the
    // system's standard menu (revert true).  Empty when the window has none.
    CMenu GetSystemMenu(bool revert) const;

    void SetIcon(HICON icon, bool big);
    // The font stays owned by the caller and must outlive the window.
    void SetFont(CFont& font, bool redraw = true);

    // Switches repainting off and on (WM_SETREDRAW), so that many changes
    // show up at once.
    void SetRedraw(bool redraw);

    // WM_SYSCOMMAND's default handling: move, size, close, ...
    void OnSysCommand(UINT id, LPARAM lParam);

protected:
    // The system's default handling of the message being handled now.
    LRESULT Default();

    HWND m_hWnd = nullptr;

    // The message being handled, for Default().
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
};
