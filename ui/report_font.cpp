#include "report_font.h"

#include "framework/dpi.h"

namespace {

constexpr int kStandardHeight = 14;  // pixels at 96 DPI

}  // namespace

int CharacterWidth(CDC& dc, const CFont& font)
{
    const CDC::Selection selected = dc.SelectObject(font);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(metrics);
    return metrics.tmAveCharWidth;
}

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
        CClientDC screen(nullptr);
        CFont standard;
        CreateReportFont(standard, kStandardHeight);
        const int widest = CharacterWidth(screen, standard) * static_cast<int>(dpi) / USER_DEFAULT_SCREEN_DPI;
        if (CharacterWidth(screen, font) > widest)
            CreateReportFont(font, height, widest);
    }
}
