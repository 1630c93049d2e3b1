#include "dpi.h"

#include <algorithm>
#include <string>

#include "gdi.h"

namespace {

// GetDpiForWindow and GetSystemMetricsForDpi came with Windows 10 (1607);
// older systems have only the system DPI, which is then also the window's
// (the program declares no per-monitor awareness they know).  The program
// imports user32, so it is loaded.
template <class Function>
Function FindUser32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandle(L"user32.dll"), name)));
}

UINT SystemDpi()
{
    const CClientDC screen(nullptr);
    const int dpi = screen.GetSafeHdc() ? screen.GetDeviceCaps(LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// The metric at that DPI, not at the primary monitor's.
int SystemMetricForDpi(int index, UINT dpi)
{
    static const auto getSystemMetricsForDpi =
        FindUser32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return getSystemMetricsForDpi ? getSystemMetricsForDpi(index, dpi) : ::GetSystemMetrics(index);
}

BOOL CALLBACK WidenToText(HWND control, LPARAM dpi)
{
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const bool isStatic = ::lstrcmpiW(className, L"Static") == 0 &&
                          ((style & SS_TYPEMASK) == SS_LEFT || (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP);
    const bool isCheckBox = ::lstrcmpiW(className, L"Button") == 0 &&
                            ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX || (style & BS_TYPEMASK) == BS_CHECKBOX);
    const int length = ::GetWindowTextLengthW(control);
    if ((!isStatic && !isCheckBox) || length == 0)
        return TRUE;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));

    SIZE extent{};
    {
        const CClientDC dc(control);
        const CDC::Selection font(dc.GetSafeHdc(),
                                  reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        extent = dc.GetTextExtent(text);
    }

    // A check box draws its box and a gap before the text, both at the
    // window's DPI (the system's metrics are the primary monitor's).
    const auto windowDpi = static_cast<UINT>(dpi);
    const int needed =
        extent.cx +
        (isCheckBox ? SystemMetricForDpi(SM_CXMENUCHECK, windowDpi) + AfxScaleForDpi(6, windowDpi) : 0);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    HWND dialog = ::GetParent(control);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int width = std::min(needed, static_cast<int>(client.right - rect.left));
    if (width > rect.right - rect.left)
        ::SetWindowPos(control, nullptr, 0, 0, width, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

}  // namespace

UINT AfxGetWindowDpi(HWND window)
{
    static const auto getDpiForWindow = FindUser32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0)
            return dpi;
    }
    return SystemDpi();
}

void AfxWidenControlsToTheirText(HWND dialog, UINT dpi)
{
    ::EnumChildWindows(dialog, WidenToText, static_cast<LPARAM>(dpi));
}
