// report_stream.h - writes the report rows out as the engine hands them over.
//
// The command line holds no copy of the report: rows go into one buffer of
// kBlockSize bytes, and every full buffer goes to the output in one write.
// A report of hundreds of megabytes thus costs the buffer, not its own size.
//
//     ReportStream report("\n", [&](std::string_view block) { return Write(block); });
//     RunComparison(html, csv, options, report);
//     bool written = report.Finish();
//
// The engine hands its report over in large runs of rows (AppendRows).  With
// line feeds as line ends such a run is written as it is, with no work per
// row: straight to the output when it is at least a block, through the
// buffer when it is smaller.  With any other line end (the report file's
// "\r\n") each line feed is replaced on the way into the buffer.
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
    void AppendRows(std::string_view rows) override;

    // Writes what is still buffered; false when any write failed (or rows
    // were written before a Clear).  Rows appended after a failure are
    // dropped.
    bool Finish();

    bool Failed() const { return failed_; }
    const std::vector<std::string>& ErrorRows() const { return errorRows_; }

private:
    // Keeps the error rows among rows that each end in a line feed.
    void KeepErrorRows(std::string_view rows);
    // Puts bytes into the buffer, writing it out each time it fills.
    void Put(const char* bytes, std::size_t size);
    // Puts rows that each end in a line feed, with lineEnd_ in its place.
    void PutWithLineEnds(std::string_view rows);
    void WriteBuffer();
    void Write(std::string_view bytes);

    std::string lineEnd_;
    bool lineFeedEnds_;
    Output output_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool anyAppended_ = false;
    bool failed_ = false;
    std::vector<std::string> errorRows_;
};
