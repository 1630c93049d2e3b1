// tornwick.exe's entry point and its one application object.
#include <windows.h>

#include "tornwick_app.h"

CtornwickApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
