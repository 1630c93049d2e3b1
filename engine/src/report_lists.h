// report_lists.h - the report lines of one comparison, in three groups.
//
// Lines are added while the listing is read and shown grouped afterwards:
// notes first, then MISMATCH lines, then the per-column summary, each group
// followed by one empty row when it is not empty.  Within a group lines come
// out in the order they were added, whole, whatever their length.
//
// A group keeps its lines as plain text, each followed by a line feed, in
// strings of about a megabyte (one string for a whole group would take twice
// its size each time it grew): no allocation per line, and the sink takes the
// report a string at a time.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report_sink.h"

enum class ReportGroup {
    SummaryGroup = 0,   // one line per award column with its counts
    MismatchGroup = 1,  // one line per disagreeing cell
    NotesGroup = 2,     // header lines, listing problems, entities LoTW lacks
};

class ReportLists {
public:
    std::size_t LineCount(ReportGroup group) const { return Of(group).lines; }

    // The bytes of the group's lines together, without their line feeds.
    std::size_t TextBytes(ReportGroup group) const { return Of(group).bytes; }

    // The group's text: runs of whole lines, each line followed by a line feed.
    const std::vector<std::string>& Text(ReportGroup group) const { return Of(group).text; }

    // The group's lines one by one (for tests).
    std::vector<std::string> Lines(ReportGroup group) const;

    // The lines that begin "ERROR:" and those added by ReportAddError, in
    // the order the report shows them.
    std::vector<std::string> ErrorLines() const;

private:
    friend void ReportAdd(ReportLists& lists, ReportGroup group, std::string_view text);
    friend void ReportAddError(ReportLists& lists, ReportGroup group, std::string_view text);

    struct Group {
        std::vector<std::string> text;
        std::vector<std::string> errorLines;  // kept as they are added
        std::size_t lines = 0;
        std::size_t bytes = 0;
    };

    const Group& Of(ReportGroup group) const { return groups_[static_cast<std::size_t>(group)]; }

    std::array<Group, 3> groups_;
};

// Adds a copy of text as the group's last line.
void ReportAdd(ReportLists& lists, ReportGroup group, std::string_view text);

// The same for a line that says, as an "ERROR:" line does, why the report
// could not be made, though its text does not begin so.
void ReportAddError(ReportLists& lists, ReportGroup group, std::string_view text);

// Appends the group's lines to the sink, oldest first; returns how many.
std::size_t ReportShowGroup(const ReportLists& lists, ReportGroup group, ReportSink& sink);

// Appends notes, mismatches and summary, each followed by one empty row,
// leaving out an empty group together with its empty row.
void ReportShowAll(const ReportLists& lists, ReportSink& sink);
