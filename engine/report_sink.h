// report_sink.h - where a finished comparison puts its rows.
//
// The engine knows nothing of windows or terminals.  A comparison run ends by
// emptying its sink, telling it how large the report is, and appending the
// report rows to it, one at a time, in display order.  The main window's result list, the command-line front end
// and the tests each provide a sink of their own.
#pragma once

#include <cstddef>
#include <string_view>

class ReportSink {
public:
    virtual ~ReportSink() = default;

    // Removes every row the sink holds.
    virtual void Clear() = 0;

    // Comes after Clear and before the first row: the number of rows that
    // follow and their bytes together (without line ends), so that a sink
    // can make room for all of them at once.  Only a hint: a sink may ignore
    // it, and it must still take every row that comes.
    virtual void Reserve(std::size_t /*rows*/, std::size_t /*bytes*/) {}

    // Appends one row at the end.  The row is single-byte text without a line
    // end; it may be empty (the separator rows between report groups).
    virtual void Append(std::string_view row) = 0;
};
