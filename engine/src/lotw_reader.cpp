#include "lotw_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "line_reader.h"
#include "tokenizer.h"

namespace {

// A row is taken apart at its tag brackets and at the line end.
const DelimiterSet& RowDelimiters()
{
    static const DelimiterSet delimiters("<>\r\n");
    return delimiters;
}

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// One pass over the slashes of the line (a row holds dozens of closing
// tags) rather than one search per marker.
bool IsTableEnd(std::string_view line)
{
    for (std::size_t slash = line.find('/'); slash != std::string_view::npos;
         slash = line.find('/', slash + 1)) {
        const std::string_view rest = line.substr(slash + 1, 5);
        if (rest == "TABLE" || rest == "table" || rest == "tbody")
            return true;
    }
    return false;
}

// The credit columns the page carries, in page order: every award column but
// IMG and 60 m.
bool PageHasColumn(const AwardColumnNames& names, int column)
{
    return names.Band(column) != "IMG" && names.Band(column) != "60";
}

constexpr int kLayoutCells = 19;  // prefix, entity, credit count, 16 credits

// A token that opens a table cell: "td" in any case, alone or followed by a
// blank or a tab and the cell's attributes.
bool OpensCell(std::string_view token)
{
    return token.size() >= 2 && (token[0] | 0x20) == 't' && (token[1] | 0x20) == 'd' &&
           (token.size() == 2 || token[2] == ' ' || token[2] == '\t');
}

// Reads one table row into prefix, name and credit; false when the row is
// short of tokens.  Flags of columns the page lacks are left as they are.
// cells counts the tokens that open a cell, over the whole row.
bool ReadRow(std::string_view line, const AwardColumnNames& names, std::string_view& prefix,
             std::string_view& name, CreditFlags& credit, int& cells)
{
    // tr td PREFIX /td td NAME /td td COUNT /td td CREDIT /td ...: token 3
    // is the prefix, token 6 the name, and every third token from the 12th
    // on a credit cell of the next column the page carries.
    Tokenizer tokens(line, RowDelimiters());
    std::string_view token;
    int taken = 0;
    int column = 0;
    cells = 0;
    while (tokens.Next(token)) {
        ++taken;
        cells += OpensCell(token) ? 1 : 0;
        if (taken == 3) {
            prefix = token;
        } else if (taken == 6) {
            name = token;
        } else if (taken >= 12 && taken % 3 == 0) {
            while (column < kAwardColumnCount && !PageHasColumn(names, column))
                ++column;
            if (column < kAwardColumnCount)
                credit[column++] = token.front() == 'X' ? 'X' : ' ';
        }
    }
    while (column < kAwardColumnCount && !PageHasColumn(names, column))
        ++column;
    return taken >= 9 && column == kAwardColumnCount;
}

// A row read from the page, waiting to be filed.
struct PageRow {
    std::string key;
    std::string name;
    CreditFlags credit;
};

// The first eight bytes of a key as a number that orders like the bytes, so
// that most comparisons in the sort need not reach the key itself.
std::uint64_t KeyHead(std::string_view key)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return head;
}

// Files the rows in key order, the first row under a key first.  The page
// lists its entities by name, which is random order for the keys: inserted
// as read, every row would walk a path of cache misses down a large tree.
// In key order each insertion follows the tree's right edge, which stays in
// cache, and the records end up in memory in the order the listing (sorted
// by prefix) looks them up.
EntityIndex FileInKeyOrder(std::vector<PageRow>& rows)
{
    struct SortItem {
        std::uint64_t head;
        std::uint32_t row;
    };
    std::vector<SortItem> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order.push_back({KeyHead(rows[i].key), static_cast<std::uint32_t>(i)});
    std::sort(order.begin(), order.end(), [&rows](const SortItem& a, const SortItem& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int byKey = rows[a.row].key.compare(rows[b.row].key);
        return byKey != 0 ? byKey < 0 : a.row < b.row;
    });

    EntityIndex index;
    for (const SortItem& item : order) {
        PageRow& row = rows[item.row];
        EntityIndexInsert(index, row.key, row.name, row.credit);
        row = PageRow();  // the index holds its own copy now
    }
    return index;
}

}  // namespace

EntityIndex ReadLotwMatrix(std::FILE* page, LotwPageRead* read)
{
    LineReader reader(page);
    return ReadLotwMatrix(reader, read);
}

EntityIndex ReadLotwMatrix(LineReader& reader, LotwPageRead* read)
{
    LotwPageRead ignored;
    LotwPageRead& result = read ? *read : ignored;
    result = LotwPageRead();
    // The page's columns are those of the compiled names: a listing's header
    // renames columns only later in the comparison.
    const AwardColumnNames names;
    CreditFlags credit;
    credit.fill(' ');

    std::vector<PageRow> rows;
    std::string_view line;
    bool tableStarted = false;
    while (reader.Next(line)) {
        if (!tableStarted) {
            if (!Contains(line, "ABU AIL"))
                continue;
            tableStarted = true;
        }
        if (IsTableEnd(line))
            break;
        std::string_view prefix;
        std::string_view name;
        int cells = 0;
        const bool whole = ReadRow(line, names, prefix, name, credit, cells);
        result.moreColumns = result.moreColumns || cells > kLayoutCells;
        if (!whole) {
            result.status = LotwPageStatus::BrokenRow;
            return EntityIndex();  // not the expected layout: trust none of it
        }
        rows.push_back({std::string(LotwNameToKey(name, prefix)), std::string(name), credit});
    }
    result.status = tableStarted ? LotwPageStatus::Read : LotwPageStatus::NoMatrix;
    return FileInKeyOrder(rows);
}
