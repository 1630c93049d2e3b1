#include "report_stream.h"

#include <utility>

ReportStream::ReportStream(std::string lineEnd, Output output)
    : lineEnd_(std::move(lineEnd)), output_(std::move(output))
{
    buffer_.reserve(kBlockSize);
}

void ReportStream::Clear()
{
    if (anyAppended_)
        failed_ = true;
}

void ReportStream::Append(std::string_view row)
{
    anyAppended_ = true;
    if (row.compare(0, 6, "ERROR:") == 0)
        errorRows_.emplace_back(row);
    if (failed_)
        return;
    // A row longer than the block goes out at once rather than growing it.
    if (buffer_.size() + row.size() + lineEnd_.size() > kBlockSize) {
        WriteBuffer();
        if (row.size() + lineEnd_.size() > kBlockSize) {
            failed_ = failed_ || !output_(row) || !output_(lineEnd_);
            return;
        }
    }
    buffer_.append(row).append(lineEnd_);
}

void ReportStream::WriteBuffer()
{
    if (!failed_ && !buffer_.empty() && !output_(buffer_))
        failed_ = true;
    buffer_.clear();
}

bool ReportStream::Finish()
{
    WriteBuffer();
    return !failed_;
}
