// report_stream.h - writes the report rows out as the engine hands them over.
//
// The command line holds no copy of the report: each appended row, with its
// line end, goes into one buffer of kBlockSize bytes, and every full buffer
// goes to the output in one write.  A report of hundreds of megabytes thus
// costs the buffer, not its own size.
//
//     ReportStream report("\n", [&](std::string_view block) { return Write(block); });
//     RunComparison(html, csv, options, report);
//     bool written = report.Finish();
//
// The rows that begin "ERROR:" (the report's own error notes, few and short)
// are kept as well, so that the command can repeat them on standard error.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report_sink.h"

class ReportStream : public ReportSink {
public:
    // Takes one block of bytes; false when it could not be written.
    using Output = std::function<bool(std::string_view block)>;

    static constexpr std::size_t kBlockSize = 64 * 1024;

    ReportStream(std::string lineEnd, Output output);

    // A comparison empties its sink once, before its first row.  Rows already
    // written cannot be taken back: emptying after them is a failure.
    void Clear() override;
    void Append(std::string_view row) override;

    // Writes what is still buffered; false when any write failed (or rows
    // were written before a Clear).  Rows appended after a failure are
    // dropped.
    bool Finish();

    bool Failed() const { return failed_; }
    const std::vector<std::string>& ErrorRows() const { return errorRows_; }

private:
    void WriteBuffer();

    std::string lineEnd_;
    Output output_;
    std::string buffer_;
    bool anyAppended_ = false;
    bool failed_ = false;
    std::vector<std::string> errorRows_;
};
