#include "font.h"

#include <utility>

#include "text_encoding.h"

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const char* faceName)
{
    DeleteObject();
    m_hFont = ::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                            strikeOut, charSet, outPrecision, clipPrecision, quality,
                            pitchAndFamily, WideFromUtf8(faceName).c_str());
    return m_hFont != nullptr;
}

void CFont::DeleteObject()
{
    if (m_hFont)
        ::DeleteObject(std::exchange(m_hFont, nullptr));
}
