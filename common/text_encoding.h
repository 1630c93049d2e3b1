// text_encoding.h - file names between UTF-8 and the wide text of Windows.
//
// Inside the program a file name is UTF-8 in a std::string, on every system.
// Windows takes and gives names as UTF-16 (wchar_t); these two convert at
// that border, and nowhere else (Windows only):
//
//     std::wstring wide = WideFromUtf8(path);     // for _wfopen, MoveFileExW
//     std::string  path = Utf8FromWide(wide);     // from a dialog or argv
//
// Bytes that are not valid UTF-8 become U+FFFD; unpaired surrogates likewise.
#pragma once

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
