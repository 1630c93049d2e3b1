#include "clipboard.h"

#include <cstring>

namespace {

// A block of movable global memory holding the bytes, for SetClipboardData;
// nullptr when there is no memory.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    void* target = ::GlobalLock(block);
    if (!target) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

// Hands the block to the clipboard, which then owns it; frees it if refused.
bool SetClipboardBlock(UINT format, HGLOBAL block)
{
    if (block && ::SetClipboardData(format, block))
        return true;
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
    bool copied = ::EmptyClipboard() != FALSE;
    copied = copied && SetClipboardBlock(CF_TEXT, GlobalCopy(text.c_str(), text.size() + 1));
    copied = copied && SetClipboardBlock(CF_UNICODETEXT,
                                         GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
    ::CloseClipboard();
    return copied;
}
