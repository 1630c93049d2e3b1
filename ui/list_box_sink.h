// list_box_sink.h - a comparison's report rows straight into a list box.
//
// Each row goes into the list as the system's code page reads it, and its
// bytes into the ReportRows kept beside the list, from which Save, Print and
// Copy take them (report_rows.h says why).
//
// Emptying the list switches its repainting off, and the sink switches it on
// again when it ends, so that a long report appears at once rather than row
// by row.  Told the report's size before the rows come, the list makes room
// for all of them at once (LB_INITSTORAGE) instead of growing row by row.
//
// A list box may refuse a row (LB_ERR, LB_ERRSPACE: it is out of room), and
// there may be no memory to keep a row's bytes.  The sink then adds no
// further row, so the list never shows a report with a gap in it, and
// Complete() says so: the caller must not let the shortened list pass for
// the whole report.  The rows kept are always those the list shows.
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
