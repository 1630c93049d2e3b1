// Copy: the whole report onto the clipboard, from Ctrl+C (or Ctrl+Insert)
// anywhere in the window or from the result list's context menu.
//
// The text is the report as Save writes it: every row ended by CR LF.  It
// goes on the clipboard twice, as the rows' own bytes (CF_TEXT) and as the
// list shows them, read through the system's code page (CF_UNICODETEXT), so
// that programs of either kind paste the middle dots and accented names as
// shown.
#include "tornwick_dlg.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/win_app.h"
#include "report_rows.h"
#include "resources/resource.h"
#include "text_encoding.h"

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

// Replaces the clipboard's contents with the text, as bytes and as wide
// text.
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

}  // namespace

void CtornwickDlg::OnCopyReport()
{
    // With nothing to copy there is nothing worth saying either.
    if (!HasWholeReport(nullptr, "ERROR:  The report is incomplete, so it was not copied."))
        return;
    // Row by row, so that a byte the code page cannot read stays in its row.
    std::string text;
    std::wstring wide;
    std::wstring shown;
    for (int row = 0; row < resultList.GetCount(); ++row) {
        const std::string_view bytes = reportRows_.Row(row);
        text.append(bytes).append("\r\n");
        WideFromCodePage(bytes, CP_ACP, shown);
        wide.append(shown).append(L"\r\n");
    }
    if (!PutOnClipboard(m_hWnd, text, wide))
        AfxMessageBox("ERROR:  Could not copy the report to the clipboard.", MB_ICONSTOP);
}

void CtornwickDlg::OnContextMenu(WPARAM window, LPARAM point)
{
    const HWND list = resultList.GetSafeHwnd();
    if (reinterpret_cast<HWND>(window) != list)
        return;
    POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (at.x == -1 && at.y == -1) {  // from the keyboard (Shift+F10, the menu key)
        at = POINT{0, 0};
        ::ClientToScreen(list, &at);
    }
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&::DestroyMenu)> menu(
        ::CreatePopupMenu(), &::DestroyMenu);
    if (!menu)
        return;
    const UINT state = resultList.GetCount() > 0 ? MF_ENABLED : MF_GRAYED;
    ::AppendMenuW(menu.get(), MF_STRING | state, IDM_COPY_REPORT, L"&Copy report\tCtrl+C");
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd,
                     nullptr);
}

bool CtornwickDlg::PreTranslateMessage(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    const auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    const bool copyKey = message.wParam == 'C' || message.wParam == VK_INSERT;
    if (!copyKey || !down(VK_CONTROL) || down(VK_SHIFT) || down(VK_MENU))
        return false;
    // A key held down repeats (bit 30: it was down before): one copy, not
    // one more on the clipboard's history for every repeat.
    const bool repeat = (message.lParam & (LPARAM{1} << 30)) != 0;
    if (!repeat)
        OnCopyReport();
    return true;
}
