// report_lists.h - the report lines of one comparison, in three groups.
//
// Lines are added while the listing is read and shown grouped afterwards:
// notes first, then MISMATCH lines, then the per-column summary, each group
// followed by one empty row when it is not empty.  Within a group lines come
// out in the order they were added.  Lines are kept whole, whatever their
// length.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "report_sink.h"

enum ReportGroup {
    SummaryGroup = 0,   // one line per award column with its counts
    MismatchGroup = 1,  // one line per disagreeing cell
    NotesGroup = 2,     // header lines, listing problems, entities LoTW lacks
};

struct ReportLists {
    std::array<std::vector<std::string>, 3> groups;

    const std::vector<std::string>& Group(ReportGroup group) const { return groups[group]; }
};

void ReportAdd(ReportLists& lists, ReportGroup group, std::string text);

// Appends the group's lines to the sink, oldest first; returns how many.
std::size_t ReportShowGroup(const ReportLists& lists, ReportGroup group, ReportSink& sink);

// Tells the sink the report's size (ReportSink::Reserve), then appends notes,
// mismatches and summary, each followed by one empty row, leaving out an
// empty group together with its empty row.
void ReportShowAll(const ReportLists& lists, ReportSink& sink);
