#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_lists.h"
#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;

}  // namespace

TEST(ReportLists, ShowAllGivesNotesMismatchesSummaryEachClosedByAnEmptyRow)
{
    ReportLists lists;
    RowSink sink;
    ReportShowAll(lists, sink);
    EXPECT_TRUE(sink.rows.empty());

    ReportAdd(lists, ReportGroup::NotesGroup, "note");
    ReportAdd(lists, ReportGroup::NotesGroup, "");
    ReportShowAll(lists, sink);
    EXPECT_EQ(sink.rows, (Strings{"note", "", ""}));

    sink.rows.clear();
    ReportAdd(lists, ReportGroup::SummaryGroup, "sum");
    for (const char* text : {"a", "b", "c"})
        ReportAdd(lists, ReportGroup::MismatchGroup, text);
    ReportShowAll(lists, sink);
    EXPECT_EQ(sink.rows, (Strings{"note", "", "", "a", "b", "c", "", "sum", ""}));
    EXPECT_EQ(ReportShowGroup(lists, ReportGroup::MismatchGroup, sink), 3u);
}

TEST(ReportLists, LinesOfAnyLengthStayWholeAcrossBlocks)
{
    // Enough lines to fill blocks of every size, one longer than a block,
    // and empty lines between: each comes back whole and in order, and the
    // sink is handed whole lines only.
    ReportLists lists;
    Strings added;
    for (int i = 0; i < 40000; ++i) {
        const char letter = static_cast<char>('a' + i % 26);
        std::string line = i % 1000 == 0 ? std::string() : std::string(i % 97 + 1, letter);
        if (i == 20000)
            line.assign(std::size_t{3} << 20, 'L');
        ReportAdd(lists, ReportGroup::MismatchGroup, line);
        added.push_back(std::move(line));
    }
    EXPECT_EQ(lists.LineCount(ReportGroup::MismatchGroup), added.size());
    EXPECT_EQ(lists.Lines(ReportGroup::MismatchGroup), added);

    RowSink sink;
    ReportShowAll(lists, sink);
    added.emplace_back();
    EXPECT_EQ(sink.rows, added);
}
