// The result list's font, at the DPI of the screen the window is on.
#include "tornwick_dlg.h"

#include "framework/dpi.h"
#include "report_font.h"

void CtornwickDlg::SetListFont(UINT dpi)
{
    // 14 pixels high at 96 DPI, as many more as the screen's DPI asks.
    CreateReportFont(listFont, ScaleForDpi(14, dpi));
    resultList.SetFont(listFont, true);
}

// The window moved to a screen of another DPI (or the user changed the
// scale): the dialog manager rescales the template's layout and font; the
// list's own font is ours to remake.
void CtornwickDlg::OnDpiChanged(WPARAM dpi, LPARAM suggestedRect)
{
    const auto& rect = *reinterpret_cast<const RECT*>(suggestedRect);
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    SetListFont(HIWORD(dpi));
}
