// list_box.h - CListBox: the list-box messages as methods.
//
// Rows are text as the list shows it: AddString takes wide text, and
// AddUtf8String names, such as a file's path, which are UTF-8 and may hold
// any character.  Both go in with the wide form of the message, so nothing
// passes through a code page on the way.
#pragma once

#include <cstddef>
#include <string>

#include "wnd.h"

class CListBox : public CWnd {
public:
    // Row counts and indices; LB_ERR (-1) on failure.
    int GetCount() const;

    // Appends a row (the lists the program uses are not sorted); returns its
    // index, or LB_ERR / LB_ERRSPACE when the list refused it.
    int AddString(const std::wstring& text);
    int AddUtf8String(const std::string& utf8);
    int DeleteString(int index);
    void ResetContent();

    // Makes room for that many more rows holding that many bytes of text
    // together, before they are added one by one, so that the list does not
    // grow its storage row after row.  Returns the rows it has room for, or
    // LB_ERRSPACE; the rows can be added either way.
    int InitStorage(int rows, std::size_t textBytes);
};
