// dll_search_win.h - where the Windows programs let DLLs be loaded from.
// Both programs call this first thing in their entry point:
//
//     extern "C" int SystemDllSearchEntry()
//     {
//         RestrictDllSearchToSystemFolder();
//         return mainCRTStartup();
//     }
#pragma once

#include <windows.h>

// Every DLL loaded from here on, by the program or by the Open, Save and
// Print dialogs on its behalf, comes from the system folder only: a DLL
// planted beside the program (a download in a Downloads folder, say) under
// the name of one the system loads on demand is never loaded.
//
// SetDefaultDllDirectories came with Windows 8, and with the loader update
// KB2533623 to Windows 7 and Vista; a program that imports it does not start
// where it is missing.  So it is looked up here, and where it is missing, or
// fails, the current folder is at least taken out of the search
// (SetDllDirectoryW with an empty name): the most such a system allows.
// Runs before the C runtime is set up, and uses nothing of it.
inline void RestrictDllSearchToSystemFolder()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    const auto setDefaultDllDirectories =
        kernel32 ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
                       ::GetProcAddress(kernel32, "SetDefaultDllDirectories")))
                 : nullptr;
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    ::SetDllDirectoryW(L"");
}
