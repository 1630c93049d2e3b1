#include "listing_header.h"

#include <cstdlib>
#include <string>

#include "format.h"

namespace {

constexpr int kLastModeColumn = 4;

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// Votes over the numbers that begin the fields after each comma: a rising
// pair of consecutive numeric fields votes for frequencies (1.8, 3.7, ...), a
// falling or equal pair for bands (160, 80, ...).
std::optional<ColumnNaming> VoteNaming(std::string_view header)
{
    const std::string text(header);  // atof needs a terminated string
    float previous = 0;
    int bandVotes = 0;
    int frequencyVotes = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', comma + 1)) {
        const float current = static_cast<float>(std::atof(text.c_str() + comma + 1));
        if (previous > 0 && current > 0) {
            if (previous < current)
                ++frequencyVotes;
            else
                ++bandVotes;
        }
        previous = current;
    }
    if (frequencyVotes < bandVotes)
        return ColumnNaming::Bands;
    if (frequencyVotes > bandVotes)
        return ColumnNaming::Frequencies;
    return std::nullopt;
}

int FindColumn(const AwardColumnNames& names, ColumnNaming naming, std::string_view name)
{
    for (int column = 0; column < kAwardColumnCount; ++column) {
        if (names.Name(naming, column) == name)
            return column;
    }
    return -1;
}

// Maps each award column the header names, in file order, and adds the
// "VELLUM Award Modes: ..." and "VELLUM Award Bands: ..." notes and the empty
// line after them; returns how many notes that was.  A mode column after the
// first band column goes on the bands line; an unrecognised name goes,
// without brackets, on whichever line is being written.
std::size_t MapColumns(Tokenizer& fields, const AwardColumnNames& names, ListingColumns& columns,
                       ReportLists& lists)
{
    enum class Line { None, Modes, Bands };
    Line state = Line::None;
    std::string line;  // empty until the first recognised column starts it
    std::size_t notes = 0;
    std::string_view field;
    while (fields.Next(field)) {
        const int column = FindColumn(names, columns.naming, field);
        columns.map.push_back(column);
        const int length = static_cast<int>(field.size());
        if (column < 0) {
            AppendFormat(line, "%.*s ", length, field.data());
            continue;
        }
        if (column <= kLastModeColumn && state == Line::None) {
            line = "VELLUM Award Modes: ";
            state = Line::Modes;
        } else if (column > kLastModeColumn && state != Line::Bands) {
            if (state == Line::Modes) {
                ReportAdd(lists, ReportGroup::NotesGroup, line);
                ++notes;
            }
            line = "VELLUM Award Bands: ";
            state = Line::Bands;
        }
        AppendFormat(line, "[%.*s] ", length, field.data());
    }
    ReportAdd(lists, ReportGroup::NotesGroup, line);
    ReportAdd(lists, ReportGroup::NotesGroup, "");
    return notes + 2;
}

}  // namespace

HeaderAnalysis AnalyseListingHeader(std::string_view header, CompareOptions& options,
                                    AwardColumnNames& names, ReportLists& lists)
{
    HeaderAnalysis analysis;
    if (!Contains(header, "Prefix,")) {
        ReportAdd(lists, ReportGroup::NotesGroup, "ERROR: Didn't recognize VELLUM .CSV file.");
        return analysis;
    }

    if (Contains(header, "Country name,")) {
        options.layout = 8;
        names.Rename(0, "Mix");
        names.Rename(3, "DIG");
    } else {
        options.layout = 7;
    }
    // A plain substring test, not a field match: that is how listings have
    // always been read, so a header field ending in a capital D (a column
    // named "CARD") also means a delete column.  Matching whole fields would
    // read such saved listings differently from every earlier report.
    if (Contains(header, "D,") || Contains(header, "Del,"))
        options.hasDeleteColumn = 1;

    const std::optional<ColumnNaming> naming = VoteNaming(header);
    if (!naming) {
        ReportAddError(lists, ReportGroup::NotesGroup,
                       "Can't determine band or frequency from the VELLUM listing.");
        return analysis;
    }

    ListingColumns columns;
    columns.naming = *naming;
    Tokenizer fields(header, kListingFieldDelimiters);
    std::string_view field;
    const int leadingFields = options.hasDeleteColumn ? 3 : 2;
    for (int skipped = 0; skipped < leadingFields && fields.Next(field); ++skipped) {
    }
    analysis.headerNotes = MapColumns(fields, names, columns, lists);
    analysis.columns = std::move(columns);
    return analysis;
}
