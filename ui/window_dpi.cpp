// The window at the DPI of its screen: the result list's font, texts that
// fit their controls, and a move to a screen of another DPI.
#include "tornwick_dlg.h"

#include "framework/gdi.h"
#include "framework/dpi.h"
#include "report_font.h"

namespace {

constexpr int kStandardHeight = 14;  // pixels at 96 DPI

// The width of the font's characters (all alike: the font is fixed pitch).
int CharacterWidth(const CFont& font)
{
    CClientDC screen(nullptr);
    const CDC::Selection selected = screen.SelectObject(font);
    TEXTMETRIC metrics{};
    screen.GetTextMetrics(metrics);
    return metrics.tmAveCharWidth;
}

}  // namespace

void CtornwickDlg::SetListFont(UINT dpi)
{
    const int height = AfxScaleForDpi(kStandardHeight, dpi);
    CreateReportFont(listFont_, height);
    // The font's characters may come out a pixel wider than in step with
    // the DPI, and the widest report rows, which just fit the list at 96
    // DPI, would lose their ends: no wider than in step, then.
    if (dpi != USER_DEFAULT_SCREEN_DPI) {
        CFont standard;
        CreateReportFont(standard, kStandardHeight);
        const int widest = CharacterWidth(standard) * static_cast<int>(dpi) /
                           USER_DEFAULT_SCREEN_DPI;  // rounded down
        if (CharacterWidth(listFont_) > widest)
            CreateReportFont(listFont_, height, widest);
    }
    resultList.SetFont(listFont_, true);
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
    ::PostMessageW(m_hWnd, kAfterDpiChangeMessage, HIWORD(dpi), 0);
}

// Once the dialog manager has laid the template out again for the new DPI
// (and may have handed its own font to every control): the list gets its
// font back, and the labels their room at that DPI.
void CtornwickDlg::OnAfterDpiChange(WPARAM dpi, LPARAM)
{
    resultList.SetFont(listFont_, true);
    AfxWidenControlsToTheirText(m_hWnd, static_cast<UINT>(dpi));
}
