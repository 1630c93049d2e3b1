// menu.h - CMenu: a menu that belongs to a window.
//
// The only menu the program touches is its window's system menu, which the
// window owns and destroys; so a CMenu refers to a menu and never destroys it.
#pragma once

#include <windows.h>

#include <string>

class CMenu {
public:
    explicit CMenu(HMENU menu = nullptr) : m_hMenu(menu) {}

    explicit operator bool() const { return m_hMenu != nullptr; }

    // MF_SEPARATOR (text unused) or MF_STRING with the item's text (UTF-8).
    bool AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string());

private:
    HMENU m_hMenu;
};
