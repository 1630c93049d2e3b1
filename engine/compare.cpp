#include "compare.h"

#include <cstdio>

#include "award_columns.h"
#include "file_open.h"
#include "entity_index.h"
#include "format.h"
#include "listing_pass.h"
#include "lotw_reader.h"
#include "report_lists.h"
#include "stdio_file.h"

namespace {

struct InputFile {
    StdioFile owned;              // the stream the engine opened, if it did
    std::FILE* file = nullptr;    // the stream read; none when not opened
    bool utf16 = false;           // begins with a UTF-16 byte-order mark
};

// Opens a path for reading and looks at its first two bytes.  A folder opens
// on some systems but cannot be read: it counts as not opened.  The files are
// read as bytes on every system, so that a Ctrl-Z (which the Windows C
// runtime's text mode takes for the end of the file) drops no rows, and the
// report is the same under Windows and Linux; both readers take CR LF and LF
// line ends alike.
InputFile OpenForReading(const ComparisonInput& source)
{
    InputFile input;
    if (source.stream) {
        input.file = source.stream;
    } else {
        input.owned = OpenFile(source.name, "rb");
        input.file = input.owned.get();
    }
    if (!input.file)
        return input;
    unsigned char mark[2] = {0, 0};
    const std::size_t got = std::fread(mark, 1, sizeof mark, input.file);
    if (std::ferror(input.file) || std::fseek(input.file, 0, SEEK_SET) != 0) {
        input.owned.reset();
        input.file = nullptr;
        return input;
    }
    input.utf16 = got == 2 && ((mark[0] == 0xFF && mark[1] == 0xFE) ||
                               (mark[0] == 0xFE && mark[1] == 0xFF));
    return input;
}

// Says why no LoTW credit could be read: without it every entity would show
// as not found, with no hint at the cause.
const char* EmptyIndexNote(const InputFile& page, LotwPageStatus status)
{
    if (page.utf16)
        return "ERROR: The HTML file is UTF-16 (Unicode) text; save the LoTW page again as ANSI "
               "or UTF-8.";
    if (status == LotwPageStatus::BrokenRow)
        return "ERROR: The LoTW Award Credit Matrix in the HTML file has an incomplete row or a "
               "row broken over two lines; no LoTW credits were read.";
    return "ERROR: No LoTW Award Credit Matrix found in the HTML file.";
}

}  // namespace

RunOutcome RunComparison(const ComparisonInput& html, const ComparisonInput& csv,
                         CompareOptions& options, ReportSink& resultList)
{
    RunOutcome outcome;
    // Both files are opened before anything changes, so a file that cannot
    // be opened leaves the shown report and the options as they were.
    InputFile page = OpenForReading(html);
    if (!page.file) {
        outcome.status = RunStatus::HtmlNotOpened;
        outcome.message = Format("ERROR:  Could not open HTML file %s.", html.name.c_str());
        return outcome;
    }
    InputFile listing = OpenForReading(csv);
    if (!listing.file) {
        outcome.status = RunStatus::CsvNotOpened;
        outcome.message = Format("ERROR:  Could not open CSV file %s.", csv.name.c_str());
        return outcome;
    }

    LotwPageStatus pageStatus = LotwPageStatus::Read;
    const EntityIndex index = ReadLotwMatrix(page.file, &pageStatus);
    page.owned.reset();

    ReportLists lists;
    if (!index.root)
        ReportAdd(lists, NotesGroup, EmptyIndexNote(page, pageStatus));

    // Every comparison starts from the compiled names and without a delete
    // column, so no listing is read with what an earlier one set.
    AwardColumnNames names;
    options.hasDeleteColumn = 0;
    const ListingPassResult pass = CompareListing(listing.file, lists, index, options, names);
    listing.owned.reset();
    if (!pass.headerUnderstood && listing.utf16)
        ReportAdd(lists, NotesGroup,
                  "ERROR: The CSV file is UTF-16 (Unicode) text; export the VELLUM listing again "
                  "as ANSI text.");

    outcome.headerUnderstood = pass.headerUnderstood;
    outcome.lotwCreditsRead = index.root != nullptr;
    outcome.mismatchLines = lists.Group(MismatchGroup).size();
    outcome.problemNotes = lists.Group(NotesGroup).size() - pass.headerNotes;

    resultList.Clear();
    ReportShowAll(lists, resultList);
    return outcome;
}
