// report_sink.h - where a finished comparison puts its rows.
//
// The engine knows nothing of windows or terminals.  A comparison run ends by
// emptying its sink, telling it how large the report is, and appending the
// report rows in display order.  The main window's result list, the command
// line and the tests each provide a sink; CollectingSink keeps the rows.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

class ReportSink {
public:
    virtual ~ReportSink() = default;

    // Removes every row the sink holds.
    virtual void Clear() = 0;

    // Comes after Clear and before the first row: the number of rows that
    // follow and their bytes together (without line ends).  Only a hint, for
    // a sink that can make room at once; every row that comes must be taken.
    virtual void Reserve(std::size_t /*rows*/, std::size_t /*bytes*/) {}

    // Appends one row at the end.  The row is single-byte text without a line
    // end; it may be empty (the separator rows between report groups).
    virtual void Append(std::string_view row) = 0;

    // Appends a run of rows, each followed by one line feed ("row\n\nrow\n"
    // is a row, an empty row and a row; report rows never hold a line feed).
    // The engine hands its report out this way, in large blocks, which a sink
    // writing a stream may write as they are.  By default each row goes to Append.
    virtual void AppendRows(std::string_view rows)
    {
        while (!rows.empty()) {
            const void* end = std::memchr(rows.data(), '\n', rows.size());
            const std::size_t length =
                end ? static_cast<std::size_t>(static_cast<const char*>(end) - rows.data())
                    : rows.size();
            Append(rows.substr(0, length));
            rows.remove_prefix(end ? length + 1 : length);
        }
    }
};

// Keeps every row as a string, in order.
class CollectingSink : public ReportSink {
public:
    void Clear() override { rows.clear(); }
    void Append(std::string_view row) override { rows.emplace_back(row); }

    std::vector<std::string> rows;
};
