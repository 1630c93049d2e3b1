// report_rows.h - the report's rows as the comparison wrote them, kept beside
// the result list that shows them.
//
// A report row is bytes: the listing's names are in the code page the
// logging program wrote them in.  A list box keeps its rows as UTF-16 text
// and gives them back through the system's ANSI code page.  Where that code
// page is UTF-8 or double-byte (Japanese, Chinese, Korean Windows), a byte it
// cannot read comes back as "?" or U+FFFD, and a lone lead byte takes the
// character after it along.  So the list only shows the rows, as the
// system's code page reads them, and Save, Print and Copy take the rows'
// own bytes from here:
//
//     for (int row = 0; row < resultList.GetCount(); ++row)
//         Write(reportRows.Row(row));
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ReportRows {
public:
    void Clear();
    // Makes room for that many rows of that many bytes together; only a
    // hint, which may be refused.
    void Reserve(std::size_t rows, std::size_t bytes);
    // Keeps the row at the end; false when there was no memory for it.
    bool Append(std::string_view row);
    // Gives up the last row kept.
    void RemoveLast();

    std::size_t Count() const { return ends_.size(); }
    // The row's bytes; empty for an index beyond the rows kept.
    std::string_view Row(std::size_t index) const;
    std::string_view Row(int index) const;

private:
    std::string bytes_;              // the rows one after another
    std::vector<std::size_t> ends_;  // where each row ends in bytes_
};
