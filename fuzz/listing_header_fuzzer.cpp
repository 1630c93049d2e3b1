// Feeds arbitrary bytes to the listing header analysis as the header line,
// then checks the column map and the header notes it produced.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "listing_header.h"
#include "tokenizer.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::size_t FieldCount(std::string_view line)
{
    Tokenizer fields(line, kListingFieldDelimiters);
    std::string_view field;
    std::size_t count = 0;
    while (fields.Next(field))
        ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view header(reinterpret_cast<const char*>(data), size);
    CompareOptions options;
    AwardColumnNames names;
    ReportLists lists;
    const HeaderAnalysis analysis = AnalyseListingHeader(header, options, names, lists);

    const auto notes = lists.Lines(ReportGroup::NotesGroup);
    if (!analysis.columns) {
        Require(notes.size() == 1 && analysis.headerNotes == 0);
        return 0;
    }
    Require(options.layout == 7 || options.layout == 8);
    // Every field after the leading ones is mapped, to a known column or -1.
    const std::size_t leading = options.hasDeleteColumn ? 3 : 2;
    const std::size_t fields = FieldCount(header);
    Require(analysis.columns->map.size() == (fields > leading ? fields - leading : 0));
    for (int column : analysis.columns->map)
        Require(column >= -1 && column < kAwardColumnCount);
    // The header lines end with the one empty line.
    Require(analysis.headerNotes == notes.size() && !notes.empty() && notes.back().empty());
    Require(lists.LineCount(ReportGroup::MismatchGroup) == 0 &&
            lists.LineCount(ReportGroup::SummaryGroup) == 0);
    return 0;
}
