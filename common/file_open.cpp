#include "file_open.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

#include "text_encoding.h"

std::wstring WindowsFileName(const std::string& path)
{
    std::wstring wide = WideFromUtf8(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    if (wide.rfind(L"\\\\?\\", 0) == 0)
        return wide;
    // The full name's length decides: a short relative name in a deep folder
    // is long too.  The long form takes only a full name.
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(needed, L'\0');
    const DWORD length = needed > 0 ? ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr) : 0;
    if (length < MAX_PATH || length >= needed)
        return wide;
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}
#endif

StdioFile OpenFile(const std::string& path, const char* mode)
{
#ifdef _WIN32
    return StdioFile(::_wfopen(WindowsFileName(path).c_str(), WideFromUtf8(mode).c_str()));
#else
    return StdioFile(std::fopen(path.c_str(), mode));
#endif
}
