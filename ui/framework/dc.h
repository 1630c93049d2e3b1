// dc.h - device contexts: CDC owns one and prints through it, CPaintDC paints
// a window, CClientDC measures text on the screen.
#pragma once

#include <windows.h>

#include <string_view>

class CFont;

class CDC {
public:
    CDC() = default;
    // Deletes the device context it holds (see Attach).
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Takes ownership of a device context; DeleteDC (or the destructor)
    // deletes it.  Detach hands it back without deleting it.
    void Attach(HDC dc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    void DeleteDC();

    bool DrawIcon(int x, int y, HICON icon);

    // The size of wide text in the selected font; 0 by 0 on failure.
    SIZE GetTextExtent(std::wstring_view text) const;

    // Printing (the bodies are in dc_printing.cpp).  Each returns what the
    // GDI call returns: StartDoc the job number, negative on failure; the
    // others a positive number on success.
    int StartDoc(const DOCINFOA& document);
    int StartPage();
    int EndPage();
    int EndDoc();
    bool TextOut(int x, int y, const char* text, int length);
    bool GetTextMetrics(TEXTMETRICA& metrics) const;
    // The size of the text in the selected font; 0 by 0 on failure.
    SIZE GetTextExtent(const char* text, int length) const;
    int GetDeviceCaps(int index) const;

    // Keeps a GDI object selected into the context for as long as it lives
    // and selects the previous object back when it ends, so that the object
    // can be deleted afterwards.  Make it after the CDC, so that it ends
    // first.
    class Selection {
    public:
        Selection(HDC dc, HGDIOBJ object);
        ~Selection();
        Selection(Selection&& other) noexcept;
        Selection(const Selection&) = delete;
        Selection& operator=(const Selection&) = delete;
        Selection& operator=(Selection&&) = delete;

    private:
        HDC m_hDC;
        HGDIOBJ m_hOldObject;
    };
    [[nodiscard]] Selection SelectObject(const CFont& font);

protected:
    HDC m_hDC = nullptr;
};

// BeginPaint when made, EndPaint when it ends: for WM_PAINT handlers.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// GetDC when made, ReleaseDC when it ends: the client area of a window, or
// the screen for no window, for measuring text and reading metrics.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
