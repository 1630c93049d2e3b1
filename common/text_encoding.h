// text_encoding.h - text between UTF-8, which the program uses inside on
// every system, and the UTF-16 that Windows takes and gives (Windows only).
// Invalid input becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The bytes as a Windows code page reads them (CP_UTF8, or CP_ACP for report
// rows, the files' own bytes), into wide, replacing what it held: a caller
// converting row after row reuses one buffer.  A byte the code page cannot
// read becomes its replacement character.
void WideFromCodePage(std::string_view bytes, unsigned codePage, std::wstring& wide);

// The name as Windows' wide functions take it: UTF-16, backslashes, and the
// "\\?\" form for a name whose full form is MAX_PATH characters or more.
std::wstring WindowsFileName(const std::string& path);
