// list_box_sink.h - a comparison's report rows straight into a list box.
//
// Emptying the list switches its repainting off, and the sink switches it on
// again when it ends, so that a long report appears at once rather than row
// by row.
//
// A list box may refuse a row (LB_ERR, LB_ERRSPACE: it is out of room).  The
// sink then adds no further row, so the list never shows a report with a
// gap in it, and Complete() says so: the caller must not let the shortened
// list pass for the whole report.
#pragma once

#include <cstddef>

#include "framework/list_box.h"
#include "report_sink.h"

class ListBoxSink final : public ReportSink {
public:
    explicit ListBoxSink(CListBox& list) : list_(list) {}
    ~ListBoxSink() override;
    ListBoxSink(const ListBoxSink&) = delete;
    ListBoxSink& operator=(const ListBoxSink&) = delete;

    void Clear() override;
    void Append(std::string_view row) override;

    // Whether every row since the last Clear is in the list.
    bool Complete() const { return shown_ == rows_; }
    std::size_t RowsShown() const { return shown_; }
    std::size_t RowsWritten() const { return rows_; }

private:
    CListBox& list_;
    bool redrawOff_ = false;
    std::size_t rows_ = 0;   // rows the comparison wrote
    std::size_t shown_ = 0;  // rows the list took
};
