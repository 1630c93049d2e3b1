#include "dc.h"

#include <utility>

CDC::~CDC()
{
    DeleteDC();
}

void CDC::Attach(HDC dc)
{
    DeleteDC();
    m_hDC = dc;
}

HDC CDC::Detach()
{
    return std::exchange(m_hDC, nullptr);
}

void CDC::DeleteDC()
{
    if (m_hDC)
        ::DeleteDC(std::exchange(m_hDC, nullptr));
}

bool CDC::DrawIcon(int x, int y, HICON icon)
{
    return ::DrawIcon(m_hDC, x, y, icon) != FALSE;
}

SIZE CDC::GetTextExtent(std::wstring_view text) const
{
    SIZE size{};
    if (!::GetTextExtentPoint32W(m_hDC, text.data(), static_cast<int>(text.size()), &size))
        size = SIZE{};
    return size;
}

CPaintDC::CPaintDC(HWND window) : m_hWnd(window)
{
    m_hDC = ::BeginPaint(window, &m_ps);
}

CPaintDC::~CPaintDC()
{
    // The context belongs to the paint cycle: EndPaint releases it, never
    // DeleteDC.
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(HWND window) : m_hWnd(window)
{
    m_hDC = ::GetDC(window);
}

CClientDC::~CClientDC()
{
    // A context from GetDC goes back with ReleaseDC, never DeleteDC.
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}
