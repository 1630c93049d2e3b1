#include "report_lists.h"

namespace {

constexpr std::size_t kStringBytes = std::size_t{1} << 20;
constexpr std::string_view kErrorStart = "ERROR:";
constexpr ReportGroup kDisplayOrder[] = {ReportGroup::NotesGroup, ReportGroup::MismatchGroup,
                                         ReportGroup::SummaryGroup};

}  // namespace

std::vector<std::string> ReportLists::Lines(ReportGroup group) const
{
    std::vector<std::string> lines;
    for (const std::string& text : Text(group)) {
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return lines;
}

std::vector<std::string> ReportLists::ErrorLines() const
{
    std::vector<std::string> lines;
    for (ReportGroup group : kDisplayOrder) {
        const std::vector<std::string>& errors = Of(group).errorLines;
        lines.insert(lines.end(), errors.begin(), errors.end());
    }
    return lines;
}

void ReportAdd(ReportLists& lists, ReportGroup group, std::string_view text)
{
    ReportLists::Group& target = lists.groups_[static_cast<std::size_t>(group)];
    if (target.text.empty() || target.text.back().size() >= kStringBytes)
        target.text.emplace_back();
    target.text.back().append(text).push_back('\n');
    ++target.lines;
    target.bytes += text.size();
    if (text.substr(0, kErrorStart.size()) == kErrorStart)
        target.errorLines.emplace_back(text);
}

void ReportAddError(ReportLists& lists, ReportGroup group, std::string_view text)
{
    ReportAdd(lists, group, text);
    if (text.substr(0, kErrorStart.size()) != kErrorStart)
        lists.groups_[static_cast<std::size_t>(group)].errorLines.emplace_back(text);
}

std::size_t ReportShowGroup(const ReportLists& lists, ReportGroup group, ReportSink& sink)
{
    for (const std::string& text : lists.Text(group))
        sink.AppendRows(text);
    return lists.LineCount(group);
}

void ReportShowAll(const ReportLists& lists, ReportSink& sink)
{
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
