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

// Composes the "VELLUM Award Modes: ..." and "VELLUM Award Bands: ..." notes
// column by column.  A mode column after the first band column goes on the
// bands line; unrecognised names go on whichever line is being written.
class HeaderLines {
public:
    explicit HeaderLines(ReportLists& lists) : lists_(lists) {}

    void AddColumn(std::string_view name, int column)
    {
        if (column < 0) {
            AppendFormat(line_, "%.*s ", static_cast<int>(name.size()), name.data());
            return;
        }
        if (column <= kLastModeColumn) {
            if (state_ == State::None) {
                line_ = "VELLUM Award Modes: ";
                state_ = State::Modes;
            }
        } else if (state_ != State::Bands) {
            if (state_ == State::Modes)
                Emit(std::move(line_));
            line_ = "VELLUM Award Bands: ";
            state_ = State::Bands;
        }
        AppendFormat(line_, "[%.*s] ", static_cast<int>(name.size()), name.data());
    }

    // Adds the line being written and the empty line that closes the header
    // notes; returns how many notes the header lines took.
    std::size_t Finish()
    {
        Emit(std::move(line_));
        Emit(std::string());
        return emitted_;
    }

private:
    enum class State { None, Modes, Bands };

    void Emit(std::string text)
    {
        ReportAdd(lists_, ReportGroup::NotesGroup, std::move(text));
        ++emitted_;
    }

    ReportLists& lists_;
    std::string line_;  // empty until the first recognised column sets it
    State state_ = State::None;
    std::size_t emitted_ = 0;
};

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
        ReportAdd(lists, ReportGroup::NotesGroup,
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

    HeaderLines lines(lists);
    while (fields.Next(field)) {
        const int column = FindColumn(names, columns.naming, field);
        columns.map.push_back(column);
        lines.AddColumn(field, column);
    }
    analysis.headerNotes = lines.Finish();
    analysis.columns = std::move(columns);
    return analysis;
}
