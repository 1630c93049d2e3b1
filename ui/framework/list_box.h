// list_box.h - CListBox: the list-box messages as methods.
#pragma once

#include <string>

#include "wnd.h"

class CListBox : public CWnd {
public:
    // Row counts and indices; LB_ERR (-1) on failure.
    int GetCount() const;
    int GetTextLen(int index) const;
    // The row's text; empty when there is no such row.
    std::string GetText(int index) const;

    // Appends a row (the lists the program uses are not sorted); returns its
    // index, or LB_ERR / LB_ERRSPACE.
    int AddString(const std::string& text);
    int DeleteString(int index);
    void ResetContent();
};
