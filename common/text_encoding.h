// text_encoding.h - file names between UTF-8 and the wide text of Windows.
//
// Inside the program a file name is UTF-8 in a std::string, on every system.
// Windows takes and gives names as UTF-16 (wchar_t); these convert at that
// border, and nowhere else (Windows only):
//
//     std::wstring wide = WideFromUtf8(text);     // for a window's title
//     std::string  path = Utf8FromWide(wide);     // from a dialog or argv
//     ::DeleteFileW(WindowsFileName(path).c_str());
//
// Bytes that are not valid UTF-8 become U+FFFD; unpaired surrogates likewise.
#pragma once

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The name as Windows' wide functions take it: UTF-16, backslashes, and the
// "\\?\" form for a name whose full form is MAX_PATH characters or more.
std::wstring WindowsFileName(const std::string& path);
