// A DLL planted beside a program, as a download may be: when anything loads
// it, it leaves a marker beside itself, its own file name with ".loaded"
// appended.  The package test plants it under the name of a DLL the system
// loads on demand (check-package).
#include <windows.h>

#include <string>

namespace {

std::wstring OwnFileName(HINSTANCE self)
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(self, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return name.substr(0, length);
        name.resize(name.size() * 2);
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        const std::wstring marker = OwnFileName(self) + L".loaded";
        HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            ::CloseHandle(file);
    }
    return TRUE;
}
