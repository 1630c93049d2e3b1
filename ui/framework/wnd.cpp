#include "wnd.h"

#include <utility>

#include "font.h"

HWND CWnd::Detach()
{
    return std::exchange(m_hWnd, nullptr);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
}

bool CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd) != FALSE;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::Invalidate(bool erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

CMenu CWnd::GetSystemMenu(bool revert) const
{
    return CMenu(::GetSystemMenu(m_hWnd, revert));
}

void CWnd::SetIcon(HICON icon, bool big)
{
    SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CWnd::SetFont(CFont& font, bool redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), MAKELPARAM(redraw, 0));
}

void CWnd::SetRedraw(bool redraw)
{
    SendMessage(WM_SETREDRAW, redraw, 0);
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam)
{
    ::DefWindowProcW(m_hWnd, WM_SYSCOMMAND, id, lParam);
}

LRESULT CWnd::Default()
{
    return ::DefWindowProcW(m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}
