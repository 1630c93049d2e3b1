// screen_reader_names.h - names that a screen reader announces for controls
// that show none of their own, such as the window's three lists.
//
// The names are annotations of the accessibility interfaces: they change
// nothing on the screen.  They live as long as the control, or until
// ForgetScreenReaderName, which the window calls as it closes.
#pragma once

#include <windows.h>

// Gives the control that name; false when the system keeps no annotations.
bool NameForScreenReaders(HWND control, const wchar_t* name);
void ForgetScreenReaderName(HWND control);
