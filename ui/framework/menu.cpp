#include "menu.h"

#include "text_encoding.h"

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text)
{
    const std::wstring wide = WideFromUtf8(text);
    return ::AppendMenuW(m_hMenu, flags, id, (flags & MF_SEPARATOR) ? nullptr : wide.c_str()) != FALSE;
}
