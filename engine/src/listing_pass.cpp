#include "listing_pass.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "format.h"
#include "line_reader.h"
#include "listing_header.h"
#include "tokenizer.h"

namespace {

constexpr unsigned char kMiddleDot = 0xB7;  // an empty cell, in Windows-1252
constexpr unsigned char kUtf8MiddleDotLead = 0xC2;

int Length(std::string_view text)
{
    return static_cast<int>(text.size());
}

// The leading fields of a row, as the header's layout places them.
struct RowEntity {
    std::string_view prefix;
    std::string_view name;
};

bool ReadLeadingFields(std::string_view line, Tokenizer& fields, const CompareOptions& options,
                       RowEntity& entity)
{
    std::string_view mark;
    if (options.hasDeleteColumn && options.layout != 8 &&
        (line.empty() || line.front() != ',')) {
        if (!fields.Next(mark))
            return false;
    }
    if (!fields.Next(entity.prefix) || !fields.Next(entity.name))
        return false;
    if (options.hasDeleteColumn && options.layout == 8)
        fields.Next(mark);  // the delete mark follows the name; its text is not used
    return true;
}

class ListingPass {
public:
    ListingPass(ReportLists& lists, const EntityIndex& index, const CompareOptions& options,
                const AwardColumnNames& names, const ListingColumns& columns)
        : lists_(lists), index_(index), options_(options), names_(names), columns_(columns)
    {
        for (int column = 0; column < kAwardColumnCount; ++column)
            numeric_[column] = names.IsNumeric(column);
        checked_['*'] = true;
        checked_['S'] = options.submittedAsChecked != 0;
    }

    void CompareRow(std::string_view line);
    void WriteSummary();

private:
    // Counts a cell; a disagreement goes to AddMismatch.  Whether the
    // logbook counts a cell as checked depends on its first byte alone,
    // looked up in a table made once per pass.  A match is counted without
    // a branch: whether a cell holds a credit is close to random from cell
    // to cell, but disagreeing is rare.
    void CompareCell(const RowEntity& entity, const EntityRecord& record, int column,
                     std::string_view cell)
    {
        const bool logbookChecked = checked_[static_cast<unsigned char>(cell.front())];
        const bool lotwCredit = record.credit[column] == 'X';
        matches_[column] += static_cast<long long>(lotwCredit && logbookChecked);
        if (lotwCredit != logbookChecked)
            AddMismatch(entity, record, column, cell);
    }

    void AddMismatch(const RowEntity& entity, const EntityRecord& record, int column,
                     std::string_view cell);

    ReportLists& lists_;
    EntityCursor index_;  // the listing asks for its prefixes mostly in key order
    const CompareOptions& options_;
    const AwardColumnNames& names_;
    const ListingColumns& columns_;
    std::array<bool, kAwardColumnCount> numeric_{};  // names_.IsNumeric, once per pass
    std::array<bool, 256> checked_{};  // by a cell's first byte: the logbook counts it checked
    std::array<long long, kAwardColumnCount> matches_{};
    std::array<long long, kAwardColumnCount> mismatches_{};
};

void ListingPass::CompareRow(std::string_view line)
{
    Tokenizer fields(line, ListingFieldDelimiters());
    RowEntity entity;
    if (!ReadLeadingFields(line, fields, options_, entity)) {
        const std::string_view text = WithoutLineEnd(line);
        ReportAdd(lists_, ReportGroup::NotesGroup,
                  Format("Skipped incomplete VELLUM row: %.*s", Length(text), text.data()));
        return;
    }

    const EntityRecord* record = index_.Find(ListingPrefixToKey(entity.prefix));
    if (!record) {
        ReportAdd(lists_, ReportGroup::NotesGroup,
                  Format("Couldn't find LoTW match for %.*s: %.*s in VELLUM", Length(entity.prefix),
                         entity.prefix.data(), Length(entity.name), entity.name.data()));
        return;
    }

    int cells = 0;
    std::string_view cell;
    while (cells < columns_.Count() && fields.Next(cell)) {
        const int column = columns_.map[cells];
        ++cells;
        if (column >= 0)
            CompareCell(entity, *record, column, cell);
    }
    if (cells < columns_.Count()) {
        ReportAdd(lists_, ReportGroup::NotesGroup,
                  Format("Only %d of %d award cells for %.*s: %.*s in VELLUM", cells,
                         columns_.Count(), Length(entity.prefix), entity.prefix.data(),
                         Length(entity.name), entity.name.data()));
    }
}

// printf's "%*.*s" and "%-*.*s" with the whole text: the text, and blanks
// before or after it up to width.
char* PutRight(char* out, std::string_view text, std::size_t width)
{
    if (text.size() < width) {
        std::memset(out, ' ', width - text.size());
        out += width - text.size();
    }
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* PutLeft(char* out, std::string_view text, std::size_t width)
{
    std::memcpy(out, text.data(), text.size());
    out += text.size();
    if (text.size() < width) {
        std::memset(out, ' ', width - text.size());
        out += width - text.size();
    }
    return out;
}

char* Put(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

void ListingPass::AddMismatch(const RowEntity& entity, const EntityRecord& record, int column,
                              std::string_view cell)
{
    // The cell's first byte as VELLUM shows it: a middle dot (an empty cell)
    // shows as a blank, also when a listing re-saved as UTF-8 writes it as
    // C2 B7.
    char status = cell.front();
    if (static_cast<unsigned char>(status) == kMiddleDot ||
        (static_cast<unsigned char>(status) == kUtf8MiddleDotLead && cell.size() > 1 &&
         static_cast<unsigned char>(cell[1]) == kMiddleDot))
        status = ' ';
    // The line is that of the printf formats
    //   "MISMATCH - %3.*sM: %5.*s: %-28.*s  LoTW: [%c]   VELLUM: [%c]" (band)
    //   "MISMATCH - %4.*s: %5.*s: %-28.*s  LoTW: [%c]   VELLUM: [%c]"  (other)
    // composed by hand in place: a report may hold a MISMATCH line for every
    // twentieth cell of the listing, and printf would be most of its cost.
    // The column is named by its band name under either naming.
    const std::string_view band = names_.Band(column);
    const bool numeric = numeric_[column];
    const std::size_t bandWidth = numeric ? 3 : 4;
    const std::size_t length = 11 + std::max(band.size(), bandWidth) + (numeric ? 1 : 0) + 2 +
                               std::max(entity.prefix.size(), std::size_t{5}) + 2 +
                               std::max(entity.name.size(), std::size_t{28}) + 9 + 1 + 13 + 1 + 1;
    char* out = lists_.AddRoom(ReportGroup::MismatchGroup, length);
    out = Put(out, "MISMATCH - ");
    out = PutRight(out, band, bandWidth);
    if (numeric)
        *out++ = 'M';
    out = Put(out, ": ");
    out = PutRight(out, entity.prefix, 5);
    out = Put(out, ": ");
    out = PutLeft(out, entity.name, 28);
    out = Put(out, "  LoTW: [");
    *out++ = record.credit[column];
    out = Put(out, "]   VELLUM: [");
    *out++ = status;
    *out = ']';
    ++mismatches_[column];
}

void ListingPass::WriteSummary()
{
    const bool bands = columns_.naming == ColumnNaming::Bands;
    for (int column = 0; column < kAwardColumnCount; ++column) {
        const long long matches = matches_[column];
        const long long mismatches = mismatches_[column];
        if (matches == 0 && mismatches == 0)
            continue;
        const std::string_view name = names_.Name(columns_.naming, column);
        const char* format = numeric_[column] ? (bands ? " %3.*sM" : " %3.*sMHz")
                                                      : (bands ? " %4.*s" : " %6.*s");
        std::string line = Format(format, Length(name), name.data());
        AppendFormat(line, ":  %3lld matches", matches);
        if (mismatches != 0)
            AppendFormat(line, ", %3lld mismatch%c", mismatches, mismatches > 1 ? 's' : ' ');
        ReportAdd(lists_, ReportGroup::SummaryGroup, line);
    }
}

}  // namespace

ListingPassResult CompareListing(std::FILE* listing, ReportLists& lists, const EntityIndex& index,
                                 CompareOptions& options, AwardColumnNames& names)
{
    LineReader reader(listing);
    return CompareListing(reader, lists, index, options, names);
}

ListingPassResult CompareListing(LineReader& reader, ReportLists& lists, const EntityIndex& index,
                                 CompareOptions& options, AwardColumnNames& names)
{
    ListingPassResult result;
    std::string_view line;
    if (!reader.Next(line)) {
        // Not even a header: nothing here is a VELLUM listing.
        AnalyseListingHeader("", options, names, lists);
        return result;
    }

    const HeaderAnalysis header = AnalyseListingHeader(line, options, names, lists);
    if (!header.columns)
        return result;
    result.headerUnderstood = true;
    result.headerNotes = header.headerNotes;

    ListingPass pass(lists, index, options, names, *header.columns);
    while (reader.Next(line))
        pass.CompareRow(line);
    pass.WriteSummary();
    return result;
}
