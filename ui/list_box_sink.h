// list_box_sink.h - report rows into a list box, as the system's code page
// reads them, and their bytes into the ReportRows beside it.
//
// A list box gives its rows back through the system's code page, where a
// byte that a UTF-8 or double-byte code page cannot read comes back as "?"
// or U+FFFD; so Save, Print and Copy take the bytes kept here.  Repainting is
// off from Clear until the sink ends, so a long report appears at once.  A
// row the list refuses (out of room) or whose bytes find no memory ends the
// rows added: the list never shows a report with a gap, and RowsShown() is
// then less than RowsWritten(), so the shortened list cannot pass for the
// whole report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "framework/wnd.h"
#include "report_sink.h"

// The bytes of each row the list shows, in the list's order.
using ReportRows = std::vector<std::string>;

// Row index of the list; empty past the rows kept.
std::string_view RowBytes(const ReportRows& rows, int row);

class ListBoxSink final : public ReportSink {
public:
    ListBoxSink(CListBox& list, ReportRows& kept) : list_(list), kept_(kept) {}
    ~ListBoxSink() override;
    ListBoxSink(const ListBoxSink&) = delete;
    ListBoxSink& operator=(const ListBoxSink&) = delete;

    void Clear() override;
    void Reserve(std::size_t rows, std::size_t bytes) override;
    void Append(std::string_view row) override;

    // Since the last Clear.
    std::size_t RowsShown() const { return kept_.size(); }
    std::size_t RowsWritten() const { return written_; }

private:
    CListBox& list_;
    ReportRows& kept_;
    bool redrawOff_ = false;
    std::size_t written_ = 0;
    std::wstring text_;  // the row being added, as shown; one buffer serves every row
};
