// screen_reader_names.h - names that a screen reader announces for controls
// that show none of their own, such as the window's three lists.
//
// The names are annotations of the accessibility interfaces: they change
// nothing on the screen.  They live as long as the control, or until
// ForgetScreenReaderNames, which the window calls as it closes.  Where the
// system keeps no annotations, the controls stay unnamed.
#pragma once

#include <windows.h>

#include <initializer_list>

struct ScreenReaderName {
    HWND control;
    const wchar_t* name;
};

void NameForScreenReaders(std::initializer_list<ScreenReaderName> names);
void ForgetScreenReaderNames(std::initializer_list<HWND> controls);
