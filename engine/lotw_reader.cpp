#include "lotw_reader.h"

#include "line_reader.h"
#include "tokenizer.h"

namespace {

constexpr std::string_view kRowDelimiters = "<>\r\n";

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

bool IsTableEnd(std::string_view line)
{
    return Contains(line, "/TABLE") || Contains(line, "/table") || Contains(line, "/tbody");
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
    Tokenizer tokens(line, kRowDelimiters);
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

}  // namespace

EntityIndex ReadLotwMatrix(std::FILE* page)
{
    // The page's columns are those of the compiled names: a listing's header
    // renames columns only later in the comparison.
    const AwardColumnNames names;
    CreditFlags credit;
    credit.fill(' ');

    EntityIndex index;
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
        if (!ReadRow(line, names, prefix, name, credit))
            return EntityIndex();  // not the expected layout: trust none of it
        EntityIndexInsert(index, LotwNameToKey(name, prefix), name, credit);
    }
    return index;
}
