// clipboard.h - text onto the clipboard.
#pragma once

#include <windows.h>

#include <string>

// Replaces the clipboard's contents with the text twice: as bytes (CF_TEXT)
// and as wide text (CF_UNICODETEXT), so that programs of either kind paste
// it as shown.  False when the clipboard could not be opened (another
// program may hold it) or did not take both.
bool PutOnClipboard(HWND owner, const std::string& text, const std::wstring& wide);
