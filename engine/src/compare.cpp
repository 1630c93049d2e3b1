#include "compare.h"

#include <cstdio>
#include <new>
#include <optional>

#include "format.h"
#include "line_reader.h"
#include "listing_pass.h"
#include "lotw_reader.h"
#include "report_lists.h"
#include "stdio_file.h"

namespace {

struct InputFile {
    StdioFile owned;                    // the stream the engine opened, if it did
    std::optional<LineReader> reader;   // none when the file could not be opened
    bool utf16 = false;                 // begins with a UTF-16 byte-order mark
};

// Opens an input and reads its first block; a folder, which opens on some
// systems but cannot be read, counts as not opened.  Files are read as
// bytes, so that a Ctrl-Z (the end of the file to the Windows C runtime's
// text mode) drops no rows and the report is the same on every system.  The
// first bytes are looked at in the reader, not by rewinding: pipes work.
InputFile OpenForReading(const ComparisonInput& source, LineEnds ends)
{
    InputFile input;
    std::FILE* file = source.stream;
    if (!file) {
        input.owned = OpenFile(source.name, "rb");
        file = input.owned.get();
    }
    if (!file)
        return input;
    input.reader.emplace(file, ends);
    const std::string_view head = input.reader->Head();
    if (input.reader->Failed()) {
        input.reader.reset();
        input.owned.reset();
        return input;
    }
    input.utf16 = head.size() >= 2 && ((head[0] == '\xFF' && head[1] == '\xFE') ||
                                       (head[0] == '\xFE' && head[1] == '\xFF'));
    return input;
}

// Starts the notes when the page's rows hold more cells than were read.
const char* const kMoreColumnsNote =
    "ERROR: The LoTW Award Credit Matrix rows have more columns than the 16 read (MIX, PHO, CW, "
    "RTTY, Sat, 160, 80, 40, 30, 20, 17, 15, 12, 10, 6, 2); LoTW may have changed the page, and "
    "the report may be wrong.";

// Follows it when the page ends before its table does.
const char* const kCutShortNote =
    "ERROR: The LoTW Award Credit Matrix in the HTML file ends before its table does; the page "
    "may have been saved only in part, and the report may be wrong.";

// One for each row that holds a cell without text, naming its entity.
std::string EmptyCellNote(const std::string& entity)
{
    return Format("ERROR: The LoTW Award Credit Matrix row for %s in the HTML file has an empty "
                  "cell; its credits may be read wrongly, and the report may be wrong.",
                  entity.c_str());
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

// The notes on the page, which start the report.
void AddPageNotes(ReportLists& lists, const InputFile& page, const LotwPageRead& read,
                  const EntityIndex& index)
{
    if (read.moreColumns)
        ReportAdd(lists, ReportGroup::NotesGroup, kMoreColumnsNote);
    if (read.cutShort)
        ReportAdd(lists, ReportGroup::NotesGroup, kCutShortNote);
    // With no credit read, the page's one note says why; else each row
    // with an empty cell has its own.
    if (!index.Root()) {
        ReportAdd(lists, ReportGroup::NotesGroup, EmptyIndexNote(page, read.status));
        return;
    }
    for (const std::string& name : read.emptyCellRows)
        ReportAdd(lists, ReportGroup::NotesGroup, EmptyCellNote(name));
}

// A run that stopped at a file: what went wrong ("open", "read") with which
// file ("HTML", "CSV").
RunOutcome FileFailure(RunStatus status, const char* what, const char* kind, const std::string& name)
{
    RunOutcome outcome;
    outcome.status = status;
    outcome.message = Format("ERROR:  Could not %s %s file %s.", what, kind, name.c_str());
    return outcome;
}

RunOutcome Run(const ComparisonInput& html, const ComparisonInput& csv, CompareOptions& options,
               ReportSink& resultList, bool& sinkTouched)
{
    // Both files are opened before anything changes, so a file that cannot
    // be opened leaves the shown report and the options as they were.
    // A row of the listing ends at a bare CR too: its cells would otherwise
    // be taken as the surplus of the row before and dropped unseen.  The
    // page's lines are read as they always were.
    InputFile page = OpenForReading(html, LineEnds::LineFeed);
    if (!page.reader)
        return FileFailure(RunStatus::HtmlNotOpened, "open", "HTML", html.name);
    InputFile listing = OpenForReading(csv, LineEnds::AnyOfCrLf);
    if (!listing.reader)
        return FileFailure(RunStatus::CsvNotOpened, "open", "CSV", csv.name);

    LotwPageRead pageRead;
    const EntityIndex index = ReadLotwMatrix(*page.reader, &pageRead);
    if (page.reader->Failed())
        return FileFailure(RunStatus::HtmlNotRead, "read", "HTML", html.name);
    page.reader.reset();
    page.owned.reset();
    ReportLists lists;
    AddPageNotes(lists, page, pageRead, index);

    // The pass works on a copy that replaces the caller's options only when
    // the listing was read to its end.
    AwardColumnNames names;
    CompareOptions passOptions = options;
    passOptions.hasDeleteColumn = 0;
    const ListingPassResult pass = CompareListing(*listing.reader, lists, index, passOptions, names);
    if (listing.reader->Failed())
        return FileFailure(RunStatus::CsvNotRead, "read", "CSV", csv.name);
    listing.reader.reset();
    listing.owned.reset();
    options = passOptions;
    if (!pass.headerUnderstood && listing.utf16)
        ReportAdd(lists, ReportGroup::NotesGroup,
                  "ERROR: The CSV file is UTF-16 (Unicode) text; export the VELLUM listing again "
                  "as ANSI text.");

    RunOutcome outcome;
    outcome.headerUnderstood = pass.headerUnderstood;
    outcome.lotwCreditsRead = index.Root() != nullptr;
    outcome.mismatchLines = lists.LineCount(ReportGroup::MismatchGroup);
    outcome.problemNotes = lists.LineCount(ReportGroup::NotesGroup) - pass.headerNotes;
    outcome.errorRows = lists.ErrorLines();

    sinkTouched = true;
    resultList.Clear();
    ReportShowAll(lists, resultList);
    return outcome;
}

}  // namespace

// The report is held whole before it is shown; one larger than the memory
// the program may take ends the run, never the program.
RunOutcome RunComparison(const ComparisonInput& html, const ComparisonInput& csv,
                         CompareOptions& options, ReportSink& resultList)
{
    bool sinkTouched = false;
    try {
        return Run(html, csv, options, resultList, sinkTouched);
    } catch (const std::bad_alloc&) {
        if (sinkTouched)
            resultList.Clear();  // part of a report is no report
        RunOutcome outcome;
        outcome.status = RunStatus::OutOfMemory;
        outcome.message = "ERROR:  Not enough memory to compare the files.";
        return outcome;
    }
}
