// compare.h - the comparison engine's entry point.
//
// One comparison reads a saved LoTW Award Credit Matrix page (HTML) and a
// VELLUM DXCC listing (CSV) and writes the report rows into a ReportSink:
//
//     CompareOptions options;              // owned by the caller, kept across runs
//     options.submittedAsChecked = 1;      // count VELLUM "S" cells as checked
//     RunOutcome outcome = RunComparison(htmlPath, csvPath, options, sink);
//     if (outcome.status != RunStatus::Completed)
//         show(outcome.message);           // the sink was left untouched
//
// The report rows come in three groups, each followed by an empty row when it
// is not empty: notes (the column header lines the listing was understood to
// have, listing errors, entities LoTW does not have), MISMATCH lines, and the
// per-column summary.
//
// Text is single-byte (Windows ANSI code page) throughout and compared byte by
// byte.  Nothing here throws; problems in the input files become report rows.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "compare_options.h"
#include "report_sink.h"

// One input file of a comparison.  The name is UTF-8 and is what messages
// call the file; the engine opens it by that name, unless the caller hands
// over a stream it already has open (standard input), which is read as it is
// and not closed.  No input needs to be seekable: pipes work.
struct ComparisonInput {
    ComparisonInput(std::string fileName) : name(std::move(fileName)) {}  // NOLINT: implicit on purpose
    ComparisonInput(std::string fileName, std::FILE* open) : name(std::move(fileName)), stream(open) {}

    std::string name;
    std::FILE* stream = nullptr;
};

enum class RunStatus {
    Completed,      // the report rows are in the sink
    HtmlNotOpened,  // the HTML file could not be opened; sink untouched
    CsvNotOpened,   // the CSV file could not be opened; sink untouched
    HtmlNotRead,    // a read error in the HTML file; sink and options untouched
    CsvNotRead,     // a read error in the CSV file; sink and options untouched
    OutOfMemory,    // the report would not fit in memory; the sink emptied if it was touched
};

struct RunOutcome {
    RunStatus status = RunStatus::Completed;
    std::string message;             // the error text when not Completed
    bool headerUnderstood = false;   // false after the two header errors
    bool lotwCreditsRead = false;    // false: no LoTW credit could be read (a note says why)
    std::size_t mismatchLines = 0;   // MISMATCH rows written
    std::size_t problemNotes = 0;    // notes other than the column header lines
    // The report's rows that say it may be wrong or could not be made (those
    // that begin "ERROR:", and "Can't determine band or frequency from the
    // VELLUM listing."), in report order, for a caller that repeats them
    // elsewhere (on standard error, say).
    std::vector<std::string> errorRows;
};

// Runs one whole comparison.  A read error in either file ends it like a
// file that cannot be opened ("ERROR:  Could not read HTML file <name>."):
// nothing made of part of a file is shown; so does a report too large for
// the memory the program may take.  Each run starts from the compiled
// column names with options.hasDeleteColumn cleared, so no report depends on
// what was compared before; options.layout and options.hasDeleteColumn are
// left as the header analysis set them.
RunOutcome RunComparison(const ComparisonInput& html, const ComparisonInput& csv,
                         CompareOptions& options, ReportSink& resultList);
