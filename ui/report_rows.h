// report_rows.h - the report's rows as the comparison wrote them, beside the
// list that shows them.  A row is bytes in the listing's code page; a list
// box gives its rows back through the system's code page, where a byte that
// a UTF-8 or double-byte code page cannot read comes back as "?" or U+FFFD
// and a lone lead byte takes the next character along.  So Save, Print and
// Copy take the bytes from here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ReportRows {
public:
    void Clear();
    // Only a hint, which may be refused.
    void Reserve(std::size_t rows, std::size_t bytes);
    // False when there was no memory for the row.
    bool Append(std::string_view row);
    void RemoveLast();

    std::size_t Count() const { return ends_.size(); }
    // Empty for an index beyond the rows kept.
    std::string_view Row(std::size_t index) const;
    std::string_view Row(int index) const;

private:
    std::string bytes_;              // the rows one after another
    std::vector<std::size_t> ends_;  // where each row ends in bytes_
};
