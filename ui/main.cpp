// tornwick.exe's entry point and its one application object.
#include <windows.h>

#include "tornwick_app.h"

CtornwickApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}

// The C runtime's entry point: sets the runtime up, constructs theApp and
// calls WinMain.
extern "C" int WinMainCRTStartup();

// The program's entry point (linked with --entry), before anything else runs,
// even the C runtime: every DLL loaded from here on, by the program or by the
// Open, Save and Print dialogs, comes from the system folder only.  A DLL
// planted beside the program, in a Downloads folder say, under the name of
// one the system loads on demand, is never loaded.
extern "C" int SystemDllSearchEntry()
{
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return WinMainCRTStartup();
}
