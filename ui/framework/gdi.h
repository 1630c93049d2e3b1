// gdi.h - CDC owns a device context (a printer's) and deletes it; CPaintDC
// paints between BeginPaint and EndPaint; CClientDC measures on a window or
// the screen; CFont owns a font; a Selection keeps an object selected into
// a context while it lives.  The printing calls return what GDI returns.
// Rows go to the printer as bytes (TextOut), which the font's character set
// reads.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

#include "text_encoding.h"

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // The face name in UTF-8; a font held before is deleted first.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName)
    {
        DeleteObject();
        m_hFont = ::CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                               charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                               WideFromUtf8(faceName).c_str());
        return m_hFont != nullptr;
    }
    HFONT GetSafeHandle() const { return m_hFont; }
    void DeleteObject()
    {
        if (m_hFont)
            ::DeleteObject(std::exchange(m_hFont, nullptr));
    }

private:
    HFONT m_hFont = nullptr;
};

class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void Attach(HDC dc)
    {
        DeleteDC();
        m_hDC = dc;
    }
    HDC Detach() { return std::exchange(m_hDC, nullptr); }
    HDC GetSafeHdc() const { return m_hDC; }
    void DeleteDC()
    {
        if (m_hDC)
            ::DeleteDC(std::exchange(m_hDC, nullptr));
    }

    bool DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon) != FALSE; }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    bool GetTextMetrics(TEXTMETRIC& metrics) const { return ::GetTextMetrics(m_hDC, &metrics) != FALSE; }
    // 0 by 0 on failure.
    SIZE GetTextExtent(std::wstring_view text) const
    {
        SIZE size{};
        if (!::GetTextExtentPoint32W(m_hDC, text.data(), static_cast<int>(text.size()), &size))
            size = SIZE{};
        return size;
    }

    int StartDoc(const DOCINFO& document) { return ::StartDoc(m_hDC, &document); }
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    bool TextOut(int x, int y, std::string_view bytes)
    {
        return ::TextOutA(m_hDC, x, y, bytes.data(), static_cast<int>(bytes.size())) != FALSE;
    }

    // Selects the object back out, so that it can be deleted afterwards:
    // make it after the CDC, so that it ends first.
    class Selection {
    public:
        Selection(HDC dc, HGDIOBJ object)
            : m_hDC(dc), m_hOldObject(dc && object ? ::SelectObject(dc, object) : nullptr)
        {
            if (m_hOldObject == HGDI_ERROR)
                m_hOldObject = nullptr;
        }
        ~Selection()
        {
            if (m_hOldObject)
                ::SelectObject(m_hDC, m_hOldObject);
        }
        // Made only in place (SelectObject returns it as a prvalue).
        Selection(const Selection&) = delete;
        Selection& operator=(const Selection&) = delete;

    private:
        HDC m_hDC;
        HGDIOBJ m_hOldObject;
    };
    [[nodiscard]] Selection SelectObject(const CFont& font) { return Selection(m_hDC, font.GetSafeHandle()); }

protected:
    HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window) : m_hWnd(window) { m_hDC = ::BeginPaint(window, &m_ps); }
    // EndPaint releases the context, never DeleteDC.
    ~CPaintDC() override
    {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// A window's client area, or the screen for no window.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window) : m_hWnd(window) { m_hDC = ::GetDC(window); }
    // A context from GetDC goes back with ReleaseDC, never DeleteDC.
    ~CClientDC() override
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, Detach());
    }

private:
    HWND m_hWnd;
};
