#include "report_lists.h"

#include <utility>

void ReportAdd(ReportLists& lists, ReportGroup group, std::string text)
{
    lists.groups[group].push_back(std::move(text));
}

std::size_t ReportShowGroup(const ReportLists& lists, ReportGroup group, ReportSink& sink)
{
    const std::vector<std::string>& lines = lists.groups[group];
    for (const std::string& line : lines)
        sink.Append(line);
    return lines.size();
}

void ReportShowAll(const ReportLists& lists, ReportSink& sink)
{
    std::size_t rows = 0;
    std::size_t bytes = 0;
    for (const std::vector<std::string>& lines : lists.groups) {
        rows += lines.empty() ? 0 : lines.size() + 1;  // and its empty row
        for (const std::string& line : lines)
            bytes += line.size();
    }
    sink.Reserve(rows, bytes);
    for (ReportGroup group : {NotesGroup, MismatchGroup, SummaryGroup}) {
        if (ReportShowGroup(lists, group, sink) > 0)
            sink.Append("");
    }
}
