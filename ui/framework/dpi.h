// dpi.h - pixel sizes that follow the screen's resolution.
//
// The program declares itself DPI-aware in its manifest, so Windows does not
// stretch its window into a blur; in return every size it gives in pixels
// must be scaled by the DPI of the screen the window is on.  The program's
// sizes are those it would have at 96 DPI (100 %, USER_DEFAULT_SCREEN_DPI):
//
//     font.CreateFont(AfxScaleForDpi(14, AfxGetWindowDpi(window)), ...);
#pragma once

#include <windows.h>

// The DPI of the screen the window is on (per-monitor where Windows has it,
// otherwise the system's).
UINT AfxGetWindowDpi(HWND window);

// A size in pixels at 96 DPI, at that DPI instead (rounded to nearest).
int AfxScaleForDpi(int pixels, UINT dpi);

// A system metric (SM_CXMENUCHECK, ...) at that DPI, rather than at the
// primary monitor's, which GetSystemMetrics gives.
int AfxGetSystemMetricsForDpi(int index, UINT dpi);

// Widens each static text and check box of the dialog whose text does not
// fit it in its font, as far as the dialog's client area allows.  A layout
// in dialog units grows with the dialog's font, but the width of a text does
// not grow in exact step with its height: a label that just fits at 96 DPI
// may be cut by a few pixels at another.  Only the controls' empty space
// grows, so nothing that fits moves or changes.
void AfxWidenControlsToTheirText(HWND dialog, UINT dpi);
