#include "list_box_sink.h"

#include <climits>
#include <limits>
#include <string>

#include "text_encoding.h"

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
    kept_.Clear();
    rows_ = shown_ = 0;
}

void ListBoxSink::Reserve(std::size_t rows, std::size_t bytes)
{
    kept_.Reserve(rows, bytes);
    // The list keeps its rows as UTF-16 text, each with a terminating zero.
    // Room it cannot give is no error: the rows then come one at a time.
    if (rows == 0 || rows > static_cast<std::size_t>(INT_MAX))
        return;
    const auto maxBytes = static_cast<std::size_t>(std::numeric_limits<LPARAM>::max()) / sizeof(WCHAR);
    if (bytes > maxBytes - rows)
        return;
    list_.InitStorage(static_cast<int>(rows), (bytes + rows) * sizeof(WCHAR));
}

void ListBoxSink::Append(std::string_view row)
{
    const bool refusedBefore = !Complete();
    ++rows_;
    if (refusedBefore || !kept_.Append(row))
        return;  // no gaps: the list keeps only the rows before the refused one
    WideFromCodePage(row, CP_ACP, text_);
    if (list_.AddString(text_) >= 0)
        ++shown_;
    else
        kept_.RemoveLast();
}
