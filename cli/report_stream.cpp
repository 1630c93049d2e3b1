#include "report_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr std::string_view kErrorStart = "ERROR:";
constexpr std::string_view kErrorAfterLineFeed = "\nERROR:";

// Where "\nERROR:" first occurs in text, or nullptr.  A report run is
// mostly MISMATCH lines: a simple loop over fixed spans, which the compiler
// turns into vector instructions, tells whether a span holds a line feed
// followed by 'E' at all, and only such a span is searched row by row.
const char* FindErrorAfterLineFeed(std::string_view text)
{
    constexpr std::size_t kSpan = 1024;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t pairs = text.size() < 2 ? 0 : text.size() - 1;
    for (std::size_t start = 0; start < pairs; start += kSpan) {
        const std::size_t end = std::min(pairs, start + kSpan);
        unsigned char any = 0;
        for (std::size_t i = start; i < end; ++i)
            any |= static_cast<unsigned char>((bytes[i] == '\n') & (bytes[i + 1] == 'E'));
        if (!any)
            continue;
        const std::string_view span = text.substr(start, end - start + kErrorAfterLineFeed.size());
        const std::size_t at = span.find(kErrorAfterLineFeed);
        if (at != std::string_view::npos)
            return span.data() + at;
    }
    return nullptr;
}

// The row that starts at row, up to its line feed or the end of rows.
std::string_view RowAt(const char* row, std::string_view rows)
{
    const std::size_t left = static_cast<std::size_t>(rows.data() + rows.size() - row);
    const void* end = std::memchr(row, '\n', left);
    return {row, end ? static_cast<std::size_t>(static_cast<const char*>(end) - row) : left};
}

}  // namespace

ReportStream::ReportStream(std::string lineEnd, Output output)
    : lineEnd_(std::move(lineEnd)), lineFeedEnds_(lineEnd_ == "\n"), output_(std::move(output)),
      buffer_(kBlockSize)
{
}

void ReportStream::Clear()
{
    if (anyAppended_)
        failed_ = true;
}

void ReportStream::Append(std::string_view row)
{
    anyAppended_ = true;
    if (row.compare(0, kErrorStart.size(), kErrorStart) == 0)
        errorRows_.emplace_back(row);
    if (failed_)
        return;
    // A row longer than the block goes out at once rather than through it.
    if (used_ + row.size() + lineEnd_.size() > kBlockSize) {
        WriteBuffer();
        if (row.size() + lineEnd_.size() > kBlockSize) {
            Write(row);
            Write(lineEnd_);
            return;
        }
    }
    Put(row.data(), row.size());
    Put(lineEnd_.data(), lineEnd_.size());
}

void ReportStream::AppendRows(std::string_view rows)
{
    if (rows.empty())
        return;
    anyAppended_ = true;
    // A last row without its line feed is still a row (as Append takes it).
    std::string_view tail;
    if (rows.back() != '\n') {
        const std::size_t lastEnd = rows.rfind('\n');
        const std::size_t tailStart = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
        tail = rows.substr(tailStart);
        rows = rows.substr(0, tailStart);
    }
    KeepErrorRows(rows);
    if (!failed_ && !rows.empty()) {
        if (!lineFeedEnds_) {
            PutWithLineEnds(rows);
        } else if (used_ + rows.size() <= kBlockSize) {
            Put(rows.data(), rows.size());
        } else {
            WriteBuffer();
            if (rows.size() >= kBlockSize)
                Write(rows);
            else
                Put(rows.data(), rows.size());
        }
    }
    if (!tail.empty())
        Append(tail);
}

void ReportStream::KeepErrorRows(std::string_view rows)
{
    // Error rows are few and come first; one search of the run finds them
    // (at its start, or after a line feed) without looking at every row.
    if (rows.compare(0, kErrorStart.size(), kErrorStart) == 0)
        errorRows_.emplace_back(RowAt(rows.data(), rows));
    std::string_view rest = rows;
    while (const char* found = FindErrorAfterLineFeed(rest)) {
        const std::string_view row = RowAt(found + 1, rows);
        errorRows_.emplace_back(row);
        rest = std::string_view(row.data() + row.size(),
                                static_cast<std::size_t>(rows.data() + rows.size() -
                                                         (row.data() + row.size())));
    }
}

void ReportStream::Put(const char* bytes, std::size_t size)
{
    while (size > 0 && !failed_) {
        const std::size_t part = std::min(size, kBlockSize - used_);
        std::memcpy(buffer_.data() + used_, bytes, part);
        used_ += part;
        bytes += part;
        size -= part;
        if (used_ == kBlockSize)
            WriteBuffer();
    }
}

void ReportStream::PutWithLineEnds(std::string_view rows)
{
    const char* row = rows.data();
    const char* const end = rows.data() + rows.size();
    const std::size_t endSize = lineEnd_.size();
    while (row < end && !failed_) {
        // rows ends in a line feed, so every row has one.
        const char* lineFeed = static_cast<const char*>(
            std::memchr(row, '\n', static_cast<std::size_t>(end - row)));
        const std::size_t size = static_cast<std::size_t>(lineFeed - row);
        if (used_ + size + endSize <= kBlockSize) {
            // The common case: the row and its line end fit in the buffer.
            char* out = buffer_.data() + used_;
            std::memcpy(out, row, size);
            std::memcpy(out + size, lineEnd_.data(), endSize);
            used_ += size + endSize;
        } else {
            Put(row, size);
            Put(lineEnd_.data(), endSize);
        }
        row = lineFeed + 1;
    }
}

void ReportStream::WriteBuffer()
{
    if (used_ > 0)
        Write(std::string_view(buffer_.data(), used_));
    used_ = 0;
}

void ReportStream::Write(std::string_view bytes)
{
    if (!failed_ && !output_(bytes))
        failed_ = true;
}

bool ReportStream::Finish()
{
    WriteBuffer();
    return !failed_;
}
