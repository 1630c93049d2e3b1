#include "report_rows.h"

#include <new>
#include <stdexcept>

void ReportRows::Clear()
{
    bytes_.clear();
    ends_.clear();
}

void ReportRows::Reserve(std::size_t rows, std::size_t bytes)
{
    try {
        ends_.reserve(ends_.size() + rows);
        bytes_.reserve(bytes_.size() + bytes);
    } catch (const std::bad_alloc&) {
        // The rows then come one at a time.
    } catch (const std::length_error&) {
    }
}

bool ReportRows::Append(std::string_view row)
{
    try {
        ends_.reserve(ends_.size() + 1);  // so that the row is either kept whole or not at all
        bytes_.append(row);
        ends_.push_back(bytes_.size());
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    bytes_.resize(ends_.empty() ? 0 : ends_.back());
    return false;
}

void ReportRows::RemoveLast()
{
    if (ends_.empty())
        return;
    ends_.pop_back();
    bytes_.resize(ends_.empty() ? 0 : ends_.back());
}

std::string_view ReportRows::Row(std::size_t index) const
{
    if (index >= ends_.size())
        return {};
    const std::size_t start = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(bytes_).substr(start, ends_[index] - start);
}

std::string_view ReportRows::Row(int index) const
{
    return index < 0 ? std::string_view() : Row(static_cast<std::size_t>(index));
}
