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
    for (ReportGroup group : {NotesGroup, MismatchGroup, SummaryGroup}) {
        if (ReportShowGroup(lists, group, sink) > 0)
            sink.Append("");
    }
}
