#include "list_box.h"

#include "text_encoding.h"

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::GetTextLen(int index) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0));
}

std::string CListBox::GetText(int index) const
{
    const int length = GetTextLen(index);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = ::SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int CListBox::AddString(const std::string& bytes)
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bytes.c_str())));
}

int CListBox::AddUtf8String(const std::string& utf8)
{
    const std::wstring wide = WideFromUtf8(utf8);
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CListBox::DeleteString(int index)
{
    return static_cast<int>(SendMessage(LB_DELETESTRING, index));
}

void CListBox::ResetContent()
{
    SendMessage(LB_RESETCONTENT);
}
