// dpi.h - pixel sizes that follow the screen's resolution.  The manifest
// makes the program DPI-aware, so Windows does not stretch the window; in
// return each size in pixels, given as at 96 DPI, is scaled by the DPI of
// the screen the window is on.
#pragma once

#include <windows.h>

// Per-monitor where Windows has it, otherwise the system's.
UINT AfxGetWindowDpi(HWND window);

inline int AfxScaleForDpi(int pixels, UINT dpi)
{
    return ::MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// Widens each static text and check box whose text does not fit it, as far
// as the dialog's client area allows: a text's width does not grow in exact
// step with the font's height, so a label that fits at 96 DPI may be cut by
// a few pixels at another.  Only empty space grows; nothing moves.
void AfxWidenControlsToTheirText(HWND dialog, UINT dpi);
