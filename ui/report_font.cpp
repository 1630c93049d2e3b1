#include "report_font.h"

#include "framework/dpi.h"

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

bool CreateReportFont(CFont& font, int height, int width)
{
    return font.CreateFont(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "Modern");
}

void CreateListFont(CFont& font, UINT dpi)
{
    const int height = AfxScaleForDpi(kStandardHeight, dpi);
    CreateReportFont(font, height);
    // The font's characters may come out a pixel wider than in step.
    if (dpi != USER_DEFAULT_SCREEN_DPI) {
        CFont standard;
        CreateReportFont(standard, kStandardHeight);
        const int widest = CharacterWidth(standard) * static_cast<int>(dpi) / USER_DEFAULT_SCREEN_DPI;
        if (CharacterWidth(font) > widest)
            CreateReportFont(font, height, widest);
    }
}
