// list_box.h - CListBox: the list-box messages as methods.
//
// A list holds one of two kinds of row.  Report rows are single-byte text
// that must come back byte for byte: AddString and GetText carry them with
// the ANSI form of the messages.  Names, such as a file's path, are UTF-8
// and may hold any character: AddUtf8String carries them with the wide form.
#pragma once

#include <string>

#include "wnd.h"

class CListBox : public CWnd {
public:
    // Row counts and indices; LB_ERR (-1) on failure.
    int GetCount() const;
    // The row's length in bytes of the ANSI code page.
    int GetTextLen(int index) const;
    // The row's bytes; empty when there is no such row.
    std::string GetText(int index) const;

    // Appends a row (the lists the program uses are not sorted); returns its
    // index, or LB_ERR / LB_ERRSPACE when the list refused it.
    int AddString(const std::string& bytes);
    int AddUtf8String(const std::string& utf8);
    int DeleteString(int index);
    void ResetContent();
};
