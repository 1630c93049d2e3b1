// list_box_sink.h - report rows into a list box, as the system's code page
// reads them, and their bytes into the ReportRows beside it.  Repainting is
// off from Clear until the sink ends, so a long report appears at once.  A
// row the list refuses (out of room) or whose bytes find no memory ends the
// rows added, so the list never shows a report with a gap, and Complete()
// says so: the shortened list must not pass for the whole report.
#pragma once

#include <cstddef>
#include <string>

#include "framework/wnd.h"
#include "report_rows.h"
#include "report_sink.h"

class ListBoxSink final : public ReportSink {
public:
    ListBoxSink(CListBox& list, ReportRows& kept) : list_(list), kept_(kept) {}
    ~ListBoxSink() override;
    ListBoxSink(const ListBoxSink&) = delete;
    ListBoxSink& operator=(const ListBoxSink&) = delete;

    void Clear() override;
    void Reserve(std::size_t rows, std::size_t bytes) override;
    void Append(std::string_view row) override;

    // Whether every row since the last Clear is in the list.
    bool Complete() const { return shown_ == rows_; }
    std::size_t RowsShown() const { return shown_; }
    std::size_t RowsWritten() const { return rows_; }

private:
    CListBox& list_;
    ReportRows& kept_;
    bool redrawOff_ = false;
    std::size_t rows_ = 0;   // rows the comparison wrote
    std::size_t shown_ = 0;  // rows the list took
    std::wstring text_;      // the row being added, as shown; one buffer serves every row
};
