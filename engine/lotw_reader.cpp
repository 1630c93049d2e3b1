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

// Takes `count` tokens; the last one taken is left in `token`.
bool Take(Tokenizer& tokens, int count, std::string_view& token)
{
    for (int i = 0; i < count; ++i) {
        if (!tokens.Next(token))
            return false;
    }
    return true;
}

// Reads one table row into prefix, name and credit; false when the row is
// short of tokens.  Flags of columns the page lacks are left as they are.
bool ReadRow(std::string_view line, const AwardColumnNames& names, std::string_view& prefix,
             std::string_view& name, CreditFlags& credit)
{
    Tokenizer tokens(line, RowDelimiters());
    std::string_view token;
    // tr td PREFIX /td td NAME /td td ...
    if (!Take(tokens, 3, prefix) || !Take(tokens, 3, name) || !Take(tokens, 3, token))
        return false;
    for (int column = 0; column < kAwardColumnCount; ++column) {
        if (!PageHasColumn(names, column))
            continue;
        std::string_view cell;
        if (!Take(tokens, 3, cell))
            return false;
        credit[column] = cell.front() == 'X' ? 'X' : ' ';
    }
    return true;
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

EntityIndex ReadLotwMatrix(std::FILE* page, LotwPageStatus* status)
{
    LotwPageStatus ignored;
    LotwPageStatus& ending = status ? *status : ignored;
    // The page's columns are those of the compiled names: a listing's header
    // renames columns only later in the comparison.
    const AwardColumnNames names;
    CreditFlags credit;
    credit.fill(' ');

    std::vector<PageRow> rows;
    LineReader reader(page);
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
        if (!ReadRow(line, names, prefix, name, credit)) {
            ending = LotwPageStatus::BrokenRow;
            return EntityIndex();  // not the expected layout: trust none of it
        }
        rows.push_back({std::string(LotwNameToKey(name, prefix)), std::string(name), credit});
    }
    ending = tableStarted ? LotwPageStatus::Read : LotwPageStatus::NoMatrix;
    return FileInKeyOrder(rows);
}
