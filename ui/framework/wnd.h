// wnd.h - windows and controls: CWnd, a window handle with the operations
// the program uses; CListBox, the list-box messages as methods; CMenu, a
// menu that belongs to a window.
//
// The windows are Unicode windows: text such as a file name reaches them
// whole.  A CWnd does not own its window: dialog windows are created and
// destroyed by CDialog::DoModal, and controls die with their dialog, which
// detaches the wrappers bound to them (see CDialog).  Nor does a CMenu own
// its menu: the only one the program touches, the system menu, belongs to
// its window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

#include "cmd_target.h"
#include "gdi.h"
#include "text_encoding.h"

class CMenu {
public:
    explicit CMenu(HMENU menu = nullptr) : m_hMenu(menu) {}

    explicit operator bool() const { return m_hMenu != nullptr; }

    // MF_SEPARATOR (text unused) or MF_STRING with the item's text (UTF-8).
    bool AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string())
    {
        const std::wstring wide = WideFromUtf8(text);
        return ::AppendMenu(m_hMenu, flags, id, (flags & MF_SEPARATOR) ? nullptr : wide.c_str()) != FALSE;
    }

private:
    HMENU m_hMenu;
};

class CWnd : public CCmdTarget {
public:
    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND window) { m_hWnd = window; }
    HWND Detach() { return std::exchange(m_hWnd, nullptr); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
    }

    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    RECT GetClientRect() const
    {
        RECT rect{};
        ::GetClientRect(m_hWnd, &rect);
        return rect;
    }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    // Switches repainting off and on, so that many changes show at once.
    void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw, 0); }

    // The system menu as it is now (revert false) or reset to the system's
    // standard menu (revert true); empty when the window has none.
    CMenu GetSystemMenu(bool revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }
    void SetIcon(HICON icon, bool big)
    {
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    // The font stays owned by the caller and must outlive the window.
    void SetFont(CFont& font, bool redraw = true)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), MAKELPARAM(redraw, 0));
    }

    // WM_SYSCOMMAND's default handling: move, size, close, ...
    void OnSysCommand(UINT id, LPARAM lParam) { ::DefWindowProc(m_hWnd, WM_SYSCOMMAND, id, lParam); }

protected:
    // The system's default handling of the message being handled now.
    LRESULT Default() { return ::DefWindowProc(m_hWnd, m_current.message, m_current.wParam, m_current.lParam); }

    HWND m_hWnd = nullptr;
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
};

// Rows are wide text as the list shows it; AddUtf8String takes a name, such
// as a file's path, which may hold any character.  Counts and indices are
// LB_ERR (-1) on failure, and AddString's LB_ERRSPACE too.
class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    // Appends a row (the program's lists are not sorted); returns its index.
    int AddString(const std::wstring& text)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int AddUtf8String(const std::string& utf8) { return AddString(WideFromUtf8(utf8)); }
    int DeleteString(int index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    // Room for that many more rows of that many bytes together, before they
    // are added one by one; the rows can be added whatever it answers.
    int InitStorage(int rows, std::size_t textBytes)
    {
        return static_cast<int>(SendMessage(LB_INITSTORAGE, rows, static_cast<LPARAM>(textBytes)));
    }
};
