// font.h - CFont: owns one GDI font and deletes it when it ends.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // CreateFont's arguments (the face name in UTF-8); a font held before is
    // deleted first.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                    BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, const char* faceName);

    HFONT GetSafeHandle() const { return m_hFont; }
    void DeleteObject();

private:
    HFONT m_hFont = nullptr;
};
