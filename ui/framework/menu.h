// menu.h - CMenu: a menu that belongs to a window.
//
// The only menu the program touches is its window's system menu, which the
// window owns and destroys; so a CMenu refers to a menu and never destroys it.
#pragma once

#include <windows.h>

class CMenu {
public:
    explicit CMenu(HMENU menu = nullptr) : m_hMenu(menu) {}

    HMENU GetSafeHmenu() const { return m_hMenu; }
    explicit operator bool() const { return m_hMenu != nullptr; }

    // MF_SEPARATOR (text unused) or MF_STRING with the item's text.
    bool AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

private:
    HMENU m_hMenu;
};
