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
#include <cstdint>
#include <string>

#include "report_sink.h"

// The options record of the main window, handed to every comparison.
struct CompareOptions {
    std::int32_t submittedAsChecked = 0;  // 1: a VELLUM "S" cell counts as checked
    std::int32_t hasDeleteColumn = 0;     // set by the header analysis
    std::int32_t layout = 0;              // 8: header names "Country name,"; else 7
};

enum class RunStatus {
    Completed,      // the report rows are in the sink
    HtmlNotOpened,  // the HTML file could not be opened; sink untouched
    CsvNotOpened,   // the CSV file could not be opened; sink untouched
};

struct RunOutcome {
    RunStatus status = RunStatus::Completed;
    std::string message;             // the error text when not Completed
    bool headerUnderstood = false;   // false after the two header errors
    std::size_t mismatchLines = 0;   // MISMATCH rows written
    std::size_t problemNotes = 0;    // notes other than the column header lines
};

// Runs one whole comparison.  Each run starts from the compiled column-name
// tables and with options.hasDeleteColumn cleared, so the report of a listing
// never depends on what was compared before it; options.layout and
// options.hasDeleteColumn are left as the header analysis set them.
RunOutcome RunComparison(const std::string& htmlPath, const std::string& csvPath,
                         CompareOptions& options, ReportSink& resultList);
