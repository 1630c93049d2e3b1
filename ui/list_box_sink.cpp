#include "list_box_sink.h"

#include <string>

ListBoxSink::~ListBoxSink()
{
    if (redrawOff_) {
        list_.SetRedraw(true);
        list_.Invalidate();
    }
}

void ListBoxSink::Clear()
{
    if (!redrawOff_) {
        list_.SetRedraw(false);
        redrawOff_ = true;
    }
    list_.ResetContent();
    rows_ = shown_ = 0;
}

void ListBoxSink::Append(std::string_view row)
{
    const bool refusedBefore = !Complete();
    ++rows_;
    if (refusedBefore)
        return;  // no gaps: the list keeps only the rows before the refused one
    if (list_.AddString(std::string(row)) >= 0)
        ++shown_;
}
