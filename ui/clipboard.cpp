#include "clipboard.h"

#include <cstring>

namespace {

// Hands a copy of the bytes to the clipboard, which then owns it.
bool SetClipboardBytes(UINT format, const void* bytes, std::size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* target = block ? ::GlobalLock(block) : nullptr;
    if (target) {
        std::memcpy(target, bytes, size);
        ::GlobalUnlock(block);
        if (::SetClipboardData(format, block))
            return true;
    }
    if (block)
        ::GlobalFree(block);
    return false;
}

}  // namespace

bool PutOnClipboard(HWND owner, const std::string& text, const std::wstring& wide)
{
    // Another program may hold the clipboard for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !(open = ::OpenClipboard(owner) != FALSE); ++attempt)
        ::Sleep(20);
    if (!open)
        return false;
    const bool copied = ::EmptyClipboard() && SetClipboardBytes(CF_TEXT, text.c_str(), text.size() + 1) &&
                        SetClipboardBytes(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    ::CloseClipboard();
    return copied;
}
