#include "file_open.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <utility>

#include "text_encoding.h"

std::wstring WindowsFileName(const std::string& path)
{
    std::wstring wide = WideFromUtf8(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    if (wide.size() < MAX_PATH || wide.rfind(L"\\\\?\\", 0) == 0)
        return wide;
    // The long form takes only a full path: a long relative name is made
    // full first.
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed > 0) {
        std::wstring full(needed, L'\0');
        const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
        if (length > 0 && length < needed) {
            full.resize(length);
            wide = std::move(full);
        }
    }
    if (wide.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
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
