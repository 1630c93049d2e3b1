#include "list_box_sink.h"

#include <climits>
#include <limits>
#include <new>
#include <utility>

#include "text_encoding.h"

std::string_view RowBytes(const ReportRows& rows, int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < rows.size() ? rows[row] : std::string_view();
}

ListBoxSink::~ListBoxSink()
{
    if (redrawOff_) {
        list_.SetRedraw(true);
        list_.Invalidate();
    }
}

void ListBoxSink::Clear()
{
    if (!std::exchange(redrawOff_, true))
        list_.SetRedraw(false);
    list_.ResetContent();
    kept_.clear();
    written_ = 0;
}

// Room that cannot be had is no error: the rows then come one at a time.
void ListBoxSink::Reserve(std::size_t rows, std::size_t bytes)
{
    try {
        kept_.reserve(kept_.size() + rows);
    } catch (const std::exception&) {
    }
    // The list keeps its rows as UTF-16 text, each with a terminating zero.
    const auto maxBytes = static_cast<std::size_t>(std::numeric_limits<LPARAM>::max()) / sizeof(WCHAR);
    if (rows > 0 && rows <= static_cast<std::size_t>(INT_MAX) && bytes <= maxBytes - rows)
        list_.InitStorage(static_cast<int>(rows), (bytes + rows) * sizeof(WCHAR));
}

void ListBoxSink::Append(std::string_view row)
{
    if (written_++ != kept_.size())
        return;  // a row was refused: no more, so that the list has no gap
    try {
        kept_.emplace_back(row);
    } catch (const std::exception&) {
        return;  // no memory for the row's bytes
    }
    WideFromCodePage(row, CP_ACP, text_);
    if (list_.AddString(text_) < 0)
        kept_.pop_back();
}
