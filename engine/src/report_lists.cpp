#include "report_lists.h"

#include <cstring>

char* ReportLists::AddRoom(ReportGroup group, std::size_t length)
{
    Group& target = groups_[Index(group)];
    char* const room = target.text.Extend(length + 1);
    room[length] = '\n';
    ++target.lines;
    target.bytes += length;
    return room;
}

void ReportLists::Add(ReportGroup group, std::string_view text)
{
    if (!text.empty())
        std::memcpy(AddRoom(group, text.size()), text.data(), text.size());
    else
        AddRoom(group, 0);
}

std::vector<std::string> ReportLists::Lines(ReportGroup group) const
{
    std::vector<std::string> lines;
    ForEachBlock(group, [&lines](std::string_view block) {
        for (std::size_t start = 0; start < block.size();) {
            const std::size_t end = block.find('\n', start);
            lines.emplace_back(block.substr(start, end - start));
            start = end + 1;
        }
    });
    return lines;
}

void ReportAdd(ReportLists& lists, ReportGroup group, std::string_view text)
{
    lists.Add(group, text);
}

std::size_t ReportShowGroup(const ReportLists& lists, ReportGroup group, ReportSink& sink)
{
    lists.ForEachBlock(group, [&sink](std::string_view block) { sink.AppendRows(block); });
    return lists.LineCount(group);
}

void ReportShowAll(const ReportLists& lists, ReportSink& sink)
{
    constexpr ReportGroup kDisplayOrder[] = {ReportGroup::NotesGroup, ReportGroup::MismatchGroup,
                                             ReportGroup::SummaryGroup};
    std::size_t rows = 0;
    std::size_t bytes = 0;
    for (ReportGroup group : kDisplayOrder) {
        const std::size_t lines = lists.LineCount(group);
        rows += lines + (lines > 0 ? 1 : 0);
        bytes += lists.TextBytes(group);
    }
    sink.Reserve(rows, bytes);
    for (ReportGroup group : kDisplayOrder) {
        if (ReportShowGroup(lists, group, sink) > 0)
            sink.AppendRows("\n");
    }
}
