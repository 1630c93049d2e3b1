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
    if (wide.size() < MAX_PATH || wide.rfind(L"\\\\?\\", 0) == 0)
        return wide;
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
