// tornwick.exe's entry point and its one application object.
#include <windows.h>

#include "dll_search_win.h"
#include "tornwick_app.h"

CtornwickApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}

// The C runtime's entry point: sets the runtime up, constructs theApp and
// calls WinMain.
extern "C" int WinMainCRTStartup();

// The program's entry point (cmake/EntryPoint.cmake), before anything else
// runs, even the C runtime: DLLs load from the system folder only.
extern "C" int SystemDllSearchEntry()
{
    RestrictDllSearchToSystemFolder();
    return WinMainCRTStartup();
}
