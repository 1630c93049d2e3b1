// report_sink.h - where a finished comparison puts its rows.
//
// The engine knows nothing of windows or terminals.  A comparison run ends by
// emptying its sink and appending the report rows to it, one at a time, in
// display order.  The main window's result list, the command-line front end
// and the tests each provide a sink of their own.
#pragma once

#include <string_view>

class ReportSink {
public:
    virtual ~ReportSink() = default;

    // Removes every row the sink holds.
    virtual void Clear() = 0;

    // Appends one row at the end.  The row is single-byte text without a line
    // end; it may be empty (the separator rows between report groups).
    virtual void Append(std::string_view row) = 0;
};
