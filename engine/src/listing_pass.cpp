#include "listing_pass.h"

#include <array>
#include <string>

#include "entity_keys.h"
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

// The cell's status letter as VELLUM shows it: a middle dot (an empty cell)
// shows as a blank, also when a listing re-saved as UTF-8 writes it as C2 B7.
char StatusLetter(std::string_view cell)
{
    const auto first = static_cast<unsigned char>(cell.front());
    const bool utf8Dot = first == kUtf8MiddleDotLead && cell.size() > 1 &&
                         static_cast<unsigned char>(cell[1]) == kMiddleDot;
    return first == kMiddleDot || utf8Dot ? ' ' : cell.front();
}

class ListingPass {
public:
    ListingPass(ReportLists& lists, const EntityIndex& index, const CompareOptions& options,
                const AwardColumnNames& names, const ListingColumns& columns)
        : lists_(lists), index_(index), options_(options), names_(names), columns_(columns)
    {
        // A column is named by its band name under either naming.
        for (int column = 0; column < kAwardColumnCount; ++column) {
            const std::string_view band = names.Band(column);
            mismatchColumn_[column] = names.IsNumeric(column)
                                          ? Format("MISMATCH - %3.*sM", Length(band), band.data())
                                          : Format("MISMATCH - %4.*s", Length(band), band.data());
        }
    }

    void CompareRow(std::string_view line);
    void WriteSummary();

private:
    void CompareCell(const RowEntity& entity, const EntityRecord& record, int column,
                     std::string_view cell);

    ReportLists& lists_;
    const EntityIndex& index_;
    const CompareOptions& options_;
    const AwardColumnNames& names_;
    const ListingColumns& columns_;
    // The start of each column's MISMATCH lines: the header settled the names.
    std::array<std::string, kAwardColumnCount> mismatchColumn_;
    std::array<long long, kAwardColumnCount> matches_{};
    std::array<long long, kAwardColumnCount> mismatches_{};
    std::string line_;  // the line being composed, reused
};

void ListingPass::CompareRow(std::string_view line)
{
    Tokenizer fields(line, kListingFieldDelimiters);
    RowEntity entity;
    if (!ReadLeadingFields(line, fields, options_, entity)) {
        const std::string_view text = WithoutLineEnd(line);
        ReportAdd(lists_, ReportGroup::NotesGroup,
                  Format("Skipped incomplete VELLUM row: %.*s", Length(text), text.data()));
        return;
    }

    const EntityRecord* record = EntityIndexFind(index_, ListingPrefixToKey(entity.prefix));
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

// Both yes is a match, exactly one yes a MISMATCH line naming the entity as
// the listing writes it.
void ListingPass::CompareCell(const RowEntity& entity, const EntityRecord& record, int column,
                              std::string_view cell)
{
    const bool checked = cell.front() == '*' || (cell.front() == 'S' && options_.submittedAsChecked);
    const bool credit = record.credit[column] == 'X';
    if (checked && credit) {
        ++matches_[column];
    } else if (checked || credit) {
        line_ = mismatchColumn_[column];
        AppendFormat(line_, ": %5.*s: %-28.*s  LoTW: [%c]   VELLUM: [%c]", Length(entity.prefix),
                     entity.prefix.data(), Length(entity.name), entity.name.data(),
                     record.credit[column], StatusLetter(cell));
        ReportAdd(lists_, ReportGroup::MismatchGroup, line_);
        ++mismatches_[column];
    }
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
        if (names_.IsNumeric(column))
            line_ = Format(bands ? " %3.*sM" : " %3.*sMHz", Length(name), name.data());
        else
            line_ = Format(bands ? " %4.*s" : " %6.*s", Length(name), name.data());
        AppendFormat(line_, ":  %3lld matches", matches);
        if (mismatches != 0)
            AppendFormat(line_, ", %3lld mismatch%c", mismatches, mismatches > 1 ? 's' : ' ');
        ReportAdd(lists_, ReportGroup::SummaryGroup, line_);
    }
}

}  // namespace

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
