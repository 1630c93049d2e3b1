// list_box_sink.h - a comparison's report rows straight into a list box.
//
// Emptying the list switches its repainting off, and the sink switches it on
// again when it ends, so that a long report appears at once rather than row
// by row.
#pragma once

#include "framework/list_box.h"
#include "report_sink.h"

class ListBoxSink final : public ReportSink {
public:
    explicit ListBoxSink(CListBox& list) : m_list(list) {}
    ~ListBoxSink() override;
    ListBoxSink(const ListBoxSink&) = delete;
    ListBoxSink& operator=(const ListBoxSink&) = delete;

    void Clear() override;
    void Append(std::string_view row) override;

private:
    CListBox& m_list;
    bool m_redrawOff = false;
};
