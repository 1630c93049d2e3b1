#include "lotw_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

// The bytes of a cell's text in the plain row layout: anything but the row's
// delimiters; a slash is noted, since only a slash can begin a table-end mark.
// The classes are bits, so that the scan can gather the ones it has seen;
// plain text is 0.
constexpr unsigned char kSlash = 1;
constexpr unsigned char kDelimiter = 2;

struct ByteClasses {
    std::array<unsigned char, 256> of{};
    ByteClasses()
    {
        for (unsigned char delimiter : {'<', '>', '\r', '\n'})
            of[delimiter] = kDelimiter;
        of['/'] = kSlash;
    }
};

bool StartsWith(const char* p, const char* end, std::string_view literal)
{
    return static_cast<std::size_t>(end - p) >= literal.size() &&
           std::memcmp(p, literal.data(), literal.size()) == 0;
}

// What a row gives the index.
struct RowRead {
    std::string_view prefix;
    std::string_view name;
    int cells = 0;          // tokens that open a cell
    bool whole = false;     // not short of tokens
    bool slash = false;     // a cell's text holds a slash (plain layout only)
};

// The text of a cell in the plain layout, up to its "</td>": not empty, and
// none of the row's delimiters.  Leaves p after the "</td>".
bool ScanCellText(const char*& p, const char* end, std::string_view& text, unsigned char& slash)
{
    static const ByteClasses kByteClasses;
    // Locals only in the loop: a store through a char reference could alias
    // the text and would be made at every byte.
    const char* const start = p;
    const char* q = p;
    unsigned char seen = 0;
    unsigned char byteClass = kDelimiter;
    while (q < end && (byteClass = kByteClasses.of[static_cast<unsigned char>(*q)]) != kDelimiter) {
        seen |= byteClass;
        ++q;
    }
    p = q;
    slash |= seen;
    if (p == start || !StartsWith(p, end, "</td>"))
        return false;
    text = std::string_view(start, static_cast<std::size_t>(p - start));
    p += 5;
    return true;
}

// A credit cell in its most common forms, with the opening of the next one:
// "X</td><td>" or "&nbsp;</td><td>".  The flag ('X' or ' ') and p after
// the whole when the text at p is one of them; false otherwise.  Which of
// the two a cell is, is close to random from cell to cell, so the test
// takes no branch on it (a mispredicted branch per cell would cost more than
// the rest of the test): both end in the same eight bytes, "/td><td>",
// and start with eight bytes that the cell's first byte chooses.
bool CommonCreditCell(const char*& p, const char* end, char& flag)
{
    constexpr std::size_t kLongest = 15;  // "&nbsp;</td><td>"
    if (static_cast<std::size_t>(end - p) < kLongest)
        return false;
    const bool credit = p[0] == 'X';
    const char* const head = credit ? "X</td><t" : "&nbsp;</";
    const std::size_t length = credit ? 10 : kLongest;
    if (std::memcmp(p, head, 8) != 0 || std::memcmp(p + length - 8, "/td><td>", 8) != 0)
        return false;
    flag = credit ? 'X' : ' ';
    p += length;
    return true;
}

// After a cell's "</td>": 1 and p after "<td>" when another cell follows,
// 0 and p after "</tr>" at the row's end, -1 for anything else.
int NextCell(const char*& p, const char* end)
{
    if (StartsWith(p, end, "<td>")) {
        p += 4;
        return 1;
    }
    if (StartsWith(p, end, "</tr>")) {
        p += 5;
        return 0;
    }
    return -1;
}

// Reads a row written exactly as LoTW writes them - "<tr><td>TEXT</td>
// <td>TEXT</td>...</tr>" and the line end, every cell holding some text -
// in one pass that checks the layout as it goes.  Such a row gives the
// tokens tr, td, TEXT, /td, td, TEXT, /td, ... /tr: cell k's text is token
// 3 + 3k, and the general reading's choices follow.  False for any other
// row, which ReadRow then reads token by token.
bool ReadPlainRow(std::string_view line, CreditFlags& credit, RowRead& row)
{
    static constexpr std::array<int, 16> kPageColumns = {0, 1, 2, 3, 5, 6, 7, 9,
                                                         10, 11, 12, 13, 14, 15, 16, 17};
    const char* p = line.data();
    const char* const end = p + line.size();
    if (!StartsWith(p, end, "<tr><td>"))
        return false;
    p += 8;
    unsigned char slash = 0;
    std::string_view count;
    // Prefix, name and the count of credits.
    if (!ScanCellText(p, end, row.prefix, slash) || NextCell(p, end) != 1 ||
        !ScanCellText(p, end, row.name, slash) || NextCell(p, end) != 1 ||
        !ScanCellText(p, end, count, slash))
        return false;
    int cells = 3;
    int next = NextCell(p, end);
    // The credit cells (and any beyond them), most of them "X" or "&nbsp;".
    for (; next == 1; ++cells) {
        char flag;
        // A credit cell and the opening of the next one, compared whole.
        if (CommonCreditCell(p, end, flag)) {
            if (cells - 3 < static_cast<int>(kPageColumns.size()))
                credit[kPageColumns[cells - 3]] = flag;
            continue;
        }
        if (StartsWith(p, end, "X</td>")) {
            flag = 'X';
            p += 6;
        } else if (StartsWith(p, end, "&nbsp;</td>")) {
            flag = ' ';
            p += 11;
        } else {
            std::string_view text;
            if (!ScanCellText(p, end, text, slash))
                return false;
            flag = text.front() == 'X' ? 'X' : ' ';
        }
        const int page = cells - 3;
        if (page < static_cast<int>(kPageColumns.size()))
            credit[kPageColumns[page]] = flag;
        next = NextCell(p, end);
    }
    if (next != 0)
        return false;
    for (; p < end; ++p) {
        if (*p != '\r' && *p != '\n')
            return false;
    }
    row.cells = cells;
    row.whole = cells >= kLayoutCells;
    row.slash = slash != 0;
    return true;
}

// A row read from the page, waiting to be filed.  Its texts are already
// kept by the index.
struct PageRow {
    std::string_view key;
    std::string_view name;
    CreditFlags credit;
};

// Files the rows in key order, the first row under a key first.  The page
// lists its entities by name, which is random order for the keys: inserted
// as read, every row would walk a path of cache misses down a large tree.
// Sorted first - by the keys' first eight bytes as one number, which a
// radix sort orders without comparing keys - each insertion follows the
// tree's right edge without comparing keys either, and the records lie in
// memory in the order the listing (sorted by prefix) looks them up.
struct SortItem {
    std::uint64_t head;
    const PageRow* row;
};

// Sorts by head, keeping the page order among equal heads: a radix sort,
// one pass per byte of the head that is not the same in every item (keys
// often share their first bytes and always their zero padding).  On a large
// page this is several times faster than comparing items.
void SortByHead(std::vector<SortItem>& items)
{
    std::vector<SortItem> spare(items.size());
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<std::size_t, 256> counts{};
        for (const SortItem& item : items)
            ++counts[(item.head >> shift) & 0xFF];
        if (counts[(items.front().head >> shift) & 0xFF] == items.size())
            continue;  // this byte orders nothing
        std::size_t start = 0;
        for (std::size_t& count : counts) {
            const std::size_t here = count;
            count = start;
            start += here;
        }
        for (const SortItem& item : items)
            spare[counts[(item.head >> shift) & 0xFF]++] = item;
        items.swap(spare);
    }
}

void FileInKeyOrder(std::vector<const PageRow*>& rows, EntityIndex& index)
{
    if (rows.empty())
        return;
    std::vector<SortItem> order;
    order.reserve(rows.size());
    for (const PageRow* row : rows)
        order.push_back({KeyHead(row->key), row});
    rows = std::vector<const PageRow*>();
    SortByHead(order);
    // Keys longer than eight bytes may share a head: those few runs are
    // put in key order, the page order kept among equal keys.
    for (auto run = order.begin(); run != order.end();) {
        auto end = run + 1;
        while (end != order.end() && end->head == run->head)
            ++end;
        if (end - run > 1)
            std::stable_sort(run, end, [](const SortItem& a, const SortItem& b) {
                return CompareKeys(a.head, a.row->key, b.head, b.row->key) < 0;
            });
        run = end;
    }

    // The records are made in key order first, then filed: each row read is
    // a cache miss on a large page, and in a loop of their own these reads
    // overlap instead of waiting one by one for the tree's rotations.
    index.Reserve(order.size());
    std::vector<EntityRecord*> records;
    records.reserve(order.size());
    for (const SortItem& item : order)
        records.push_back(index.MakeKept(item.row->key, item.head, item.row->name, item.row->credit));
    order = std::vector<SortItem>();
    for (EntityRecord* record : records)
        index.FileGreatest(record);
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

    EntityIndex index;
    // The rows wait in blocks (a growing vector would copy them over and
    // over on a large page); the list of them is what the sort reorders.
    RecordStore<PageRow> waiting;
    std::vector<const PageRow*> rows;
    std::string_view line;
    bool tableStarted = false;
    while (reader.Next(line)) {
        if (!tableStarted) {
            if (!Contains(line, "ABU AIL"))
                continue;
            tableStarted = true;
        }
        RowRead row;
        if (ReadPlainRow(line, credit, row)) {
            // Only a slash in a cell's text can make a table-end mark.
            if (row.slash && IsTableEnd(line))
                break;
        } else {
            if (IsTableEnd(line))
                break;
            row.whole = ReadRow(line, names, row.prefix, row.name, credit, row.cells);
        }
        result.moreColumns = result.moreColumns || row.cells > kLayoutCells;
        if (!row.whole) {
            result.status = LotwPageStatus::BrokenRow;
            return EntityIndex();  // not the expected layout: trust none of it
        }
        // The key is a compiled table entry or the row's own prefix, which,
        // like the name, lives only as long as the line: the index keeps it.
        std::string_view key = LotwNameToKey(row.name, row.prefix);
        if (key.data() == row.prefix.data())
            key = index.Keep(key);
        PageRow* waitingRow = waiting.Add();
        *waitingRow = {key, index.Keep(row.name), credit};
        rows.push_back(waitingRow);
    }
    result.status = tableStarted ? LotwPageStatus::Read : LotwPageStatus::NoMatrix;
    FileInKeyOrder(rows, index);
    return index;
}
