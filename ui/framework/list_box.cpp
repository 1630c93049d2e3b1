#include "list_box.h"

#include "text_encoding.h"

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::AddString(const std::wstring& text)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::AddUtf8String(const std::string& utf8)
{
    return AddString(WideFromUtf8(utf8));
}

int CListBox::DeleteString(int index)
{
    return static_cast<int>(SendMessage(LB_DELETESTRING, index));
}

void CListBox::ResetContent()
{
    SendMessage(LB_RESETCONTENT);
}

int CListBox::InitStorage(int rows, std::size_t textBytes)
{
    return static_cast<int>(SendMessage(LB_INITSTORAGE, rows, static_cast<LPARAM>(textBytes)));
}
