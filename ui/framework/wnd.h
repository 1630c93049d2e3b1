// wnd.h - CWnd, CListBox and CMenu over Unicode windows, so that text such
// as a file name reaches them whole.  None owns its handle: CDialog::DoModal
// makes and destroys the dialog, whose controls die with it, and the only
// menu the program touches, the system menu, belongs to its window.
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

    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    RECT GetClientRect() const
    {
        RECT rect{};
        ::GetClientRect(m_hWnd, &rect);
        return rect;
    }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw, 0); }

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

    void OnSysCommand(UINT id, LPARAM lParam) { ::DefWindowProc(m_hWnd, WM_SYSCOMMAND, id, lParam); }

protected:
    HWND m_hWnd = nullptr;
};

// Counts and indices are LB_ERR (-1) on failure, AddString's LB_ERRSPACE too.
class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int AddString(const std::wstring& text)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int AddUtf8String(const std::string& utf8) { return AddString(WideFromUtf8(utf8)); }
    int DeleteString(int index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    // Room for more rows before they are added; they can be, whatever it answers.
    int InitStorage(int rows, std::size_t textBytes)
    {
        return static_cast<int>(SendMessage(LB_INITSTORAGE, rows, static_cast<LPARAM>(textBytes)));
    }
};
