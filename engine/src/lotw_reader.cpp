#include "lotw_reader.h"

#include <array>

#include "entity_keys.h"
#include "tokenizer.h"

namespace {

constexpr int kLayoutCells = 19;  // prefix, entity, credit count, 16 credits

// A line holding "/TABLE", "/table" or "/tbody": one pass over the slashes
// of the line rather than one search per mark.
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

// The award columns the page carries, in page order: every column but IMG
// (4) and 60 m (8), the names the page's columns have before a listing
// renames any.
constexpr std::array<int, 16> kPageColumns = {0,  1,  2,  3,  5,  6,  7,  9,
                                              10, 11, 12, 13, 14, 15, 16, 17};

constexpr DelimiterSet kRowDelimiters("<>\r\n");

// A token that opens a table cell: "td" in any case, alone or followed by a
// blank or a tab and the cell's attributes.
bool OpensCell(std::string_view token)
{
    return token.size() >= 2 && (token[0] | 0x20) == 't' && (token[1] | 0x20) == 'd' &&
           (token.size() == 2 || token[2] == ' ' || token[2] == '\t');
}

// "/td" in any case, alone or followed by a blank or a tab.
bool ClosesCell(std::string_view token)
{
    return token.size() >= 3 && token[0] == '/' && OpensCell(token.substr(1));
}

struct PageRow {
    std::string_view prefix;
    std::string_view name;
    int cells = 0;           // tokens that open a cell, over the whole row
    bool emptyCell = false;  // a cell closed right after it opened
};

// Reads one table row, "tr td PREFIX /td td NAME /td td COUNT /td" and then
// "td CREDIT /td" for each column the page carries.  False when the row is
// short of tokens.  Flags of columns the page lacks are left as they are.
bool ReadRow(std::string_view line, PageRow& row, CreditFlags& credit)
{
    Tokenizer tokens(line, kRowDelimiters);
    bool cellOpened = false;  // by the token before
    // The next token, counted when it opens a cell.
    const auto next = [&](std::string_view& token) {
        if (!tokens.Next(token))
            return false;
        row.emptyCell = row.emptyCell || (cellOpened && ClosesCell(token));
        cellOpened = OpensCell(token);
        row.cells += cellOpened ? 1 : 0;
        return true;
    };
    // The third token from here: the text of a cell ("td TEXT /td").
    const auto third = [&](std::string_view& text) {
        return next(text) && next(text) && next(text);
    };

    std::string_view text;
    bool whole = third(row.prefix) && third(row.name) && third(text);
    for (std::size_t page = 0; whole && page < kPageColumns.size(); ++page) {
        whole = third(text);
        if (whole)
            credit[kPageColumns[page]] = text.front() == 'X' ? 'X' : ' ';
    }
    while (next(text)) {
    }
    return whole;
}

}  // namespace

EntityIndex ReadLotwMatrix(LineReader& reader, LotwPageRead* read)
{
    LotwPageRead ignored;
    LotwPageRead& result = read ? *read : ignored;
    result = LotwPageRead();
    CreditFlags credit;
    credit.fill(' ');

    EntityIndex index;
    std::string_view line;
    bool tableStarted = false;
    bool tableEnded = false;
    while (reader.Next(line)) {
        if (!tableStarted && line.find("ABU AIL") == std::string_view::npos)
            continue;
        tableStarted = true;
        if (IsTableEnd(line)) {
            tableEnded = true;
            break;
        }
        PageRow row;
        const bool whole = ReadRow(line, row, credit);
        result.moreColumns = result.moreColumns || row.cells > kLayoutCells;
        if (!whole) {
            result.status = LotwPageStatus::BrokenRow;
            return EntityIndex();  // not the expected layout: trust none of it
        }
        if (row.emptyCell)
            result.emptyCellRows.emplace_back(row.name);
        EntityIndexInsert(index, LotwNameToKey(row.name, row.prefix), row.name, credit);
    }
    result.status = tableStarted ? LotwPageStatus::Read : LotwPageStatus::NoMatrix;
    result.cutShort = tableStarted && !tableEnded;
    return index;
}
