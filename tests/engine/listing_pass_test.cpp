#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing_pass.h"
#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;
const std::string kDot = "\xB7";

CreditFlags Credit(std::initializer_list<int> columns)
{
    CreditFlags credit;
    credit.fill(' ');
    for (int column : columns)
        credit[column] = 'X';
    return credit;
}

// G: MIX, Sat and 160 m; JA: MIX and 160 m; K (the listing's W): MIX and 20 m.
EntityIndex TestIndex()
{
    EntityIndex index;
    EntityIndexInsert(index, "G", "ENGLAND", Credit({0, 5, 6}));
    EntityIndexInsert(index, "JA", "JAPAN", Credit({0, 6}));
    EntityIndexInsert(index, "K", "UNITED STATES OF AMERICA", Credit({0, 11}));
    return index;
}

struct Pass {
    ListingPassResult result;
    ReportLists lists;
    CompareOptions options;

    Strings Notes() const { return lists.Lines(ReportGroup::NotesGroup); }
    Strings Mismatches() const { return lists.Lines(ReportGroup::MismatchGroup); }
    Strings Summary() const { return lists.Lines(ReportGroup::SummaryGroup); }
};

Pass RunPass(const std::string& listing, int submittedAsChecked = 0)
{
    Pass pass;
    pass.options.submittedAsChecked = submittedAsChecked;
    const EntityIndex index = TestIndex();
    AwardColumnNames names;
    File stream = StreamOf(listing);
    LineReader reader(stream.get());
    pass.result = CompareListing(reader, pass.lists, index, pass.options, names);
    return pass;
}

const std::string kHeader = "Prefix,Country,MIX,160,80\n";

}  // namespace

TEST(ListingPass, CellRules)
{
    struct Case {
        const char* cell;
        int column;  // 0 MIX (LoTW X), 2 80 m (LoTW blank)
        int submitted;
        const char* mismatch;  // nullptr: no line
    };
    const Case cases[] = {
        {"*", 0, 0, nullptr},
        {"C", 0, 0, "MISMATCH -  MIX:     G: England                       LoTW: [X]   VELLUM: [C]"},
        {"*", 2, 0, "MISMATCH -  80M:     G: England                       LoTW: [ ]   VELLUM: [*]"},
        {"S", 0, 0, "MISMATCH -  MIX:     G: England                       LoTW: [X]   VELLUM: [S]"},
        {"S", 0, 1, nullptr},
        {"S", 2, 1, "MISMATCH -  80M:     G: England                       LoTW: [ ]   VELLUM: [S]"},
        {"\xB7", 0, 0, "MISMATCH -  MIX:     G: England                       LoTW: [X]   VELLUM: [ ]"},
        {"\xB7", 2, 0, nullptr},
        {"W", 2, 0, nullptr},
        {"*W", 0, 0, nullptr},  // only the first character counts
    };
    for (const Case& c : cases) {
        std::string cells[3] = {"*", "*", kDot};  // all in agreement but the cell tried
        cells[c.column] = c.cell;
        const Pass pass = RunPass(kHeader + "G,England," + cells[0] + "," + cells[1] + "," + cells[2] + "\n",
                              c.submitted);
        SCOPED_TRACE(std::string("cell ") + c.cell + " column " + std::to_string(c.column));
        EXPECT_EQ(pass.Mismatches(), c.mismatch ? Strings{c.mismatch} : Strings{});
        EXPECT_EQ(pass.Notes().size(), 3u);  // header lines only
        ASSERT_FALSE(pass.Summary().empty());
    }
}

TEST(ListingPass, AliasedPrefixFindsItsRecordButReportsAsWritten)
{
    const Pass pass = RunPass(kHeader + "W,United States,C,*,*\nF,France,*,*,*\n");
    EXPECT_EQ(pass.Mismatches(),
              (Strings{"MISMATCH -  MIX:     W: United States                 LoTW: [X]   VELLUM: [C]",
                       "MISMATCH - 160M:     W: United States                 LoTW: [ ]   VELLUM: [*]",
                       "MISMATCH -  80M:     W: United States                 LoTW: [ ]   VELLUM: [*]"}));
    EXPECT_EQ(pass.Notes().back(), "Couldn't find LoTW match for F: France in VELLUM");
}

TEST(ListingPass, SummaryLines)
{
    std::string rows;
    // MIX, Sat, 160 m, 80 m
    for (int i = 0; i < 4; ++i)
        rows += "G,England,*,*,*," + kDot + "\n";
    for (int i = 4; i < 12; ++i)
        rows += "JA,Japan,*," + kDot + ",*," + kDot + "\n";
    rows += "JA,Japan,*," + kDot + ",C," + kDot + "\n";
    for (int i = 13; i < 301; ++i)
        rows += "W,United States,*," + kDot + "," + kDot + "," + kDot + "\n";
    for (int i = 301; i < 303; ++i)
        rows += "W,United States,C," + kDot + "," + kDot + "," + kDot + "\n";
    Pass pass = RunPass("Prefix,Country,MIX,Sat,160,80\n" + rows);
    EXPECT_EQ(pass.Summary(), (Strings{"  MIX:  301 matches,   2 mismatchs", "  Sat:    4 matches",
                                       " 160M:   12 matches,   1 mismatch "}));

    pass = RunPass("Prefix,Country,MIX,Sat,1.8,3.7\n" + rows);
    EXPECT_EQ(pass.Summary(), (Strings{"    MIX:  301 matches,   2 mismatchs", "    Sat:    4 matches",
                                       " 1.8MHz:   12 matches,   1 mismatch "}));
}

TEST(ListingPass, FrequencyNamingStillNamesMismatchesInMetres)
{
    const Pass pass = RunPass("Prefix,Country,7,14\nW,United States," + kDot + ",C\n");
    EXPECT_EQ(pass.Mismatches(),
              Strings{"MISMATCH -  20M:     W: United States                 LoTW: [X]   VELLUM: [C]"});
    EXPECT_EQ(pass.Summary(), Strings{"  14MHz:    0 matches,   1 mismatch "});
}

TEST(ListingPass, HeaderOnlyAndEmptyListings)
{
    Pass pass = RunPass(kHeader);
    EXPECT_TRUE(pass.result.headerUnderstood);
    EXPECT_EQ(pass.result.headerNotes, 3u);
    EXPECT_EQ(pass.Notes(), (Strings{"VELLUM Award Modes: [MIX] ", "VELLUM Award Bands: [160] [80] ", ""}));
    EXPECT_TRUE(pass.Summary().empty());

    for (const char* empty : {"", "\n\r\n\n"}) {
        pass = RunPass(empty);
        EXPECT_FALSE(pass.result.headerUnderstood);
        EXPECT_EQ(pass.Notes(), Strings{"ERROR: Didn't recognize VELLUM .CSV file."});
    }

    pass = RunPass("Prefix,Country,MIX\nG,England,*\n");  // undecidable naming: no rows read
    EXPECT_FALSE(pass.result.headerUnderstood);
    EXPECT_EQ(pass.Notes(), Strings{"Can't determine band or frequency from the VELLUM listing."});
    EXPECT_TRUE(pass.Summary().empty());
}

TEST(ListingPass, ShortAndIncompleteRows)
{
    const Pass pass = RunPass(kHeader + "G,England,*\n" + "G,England\n" + "G\r\n" + ",,\n" + "F,France\n" +
                          "   \n" + "G,England,*,*,*,C,C\n");
    EXPECT_EQ(pass.Notes(), (Strings{"VELLUM Award Modes: [MIX] ", "VELLUM Award Bands: [160] [80] ", "",
                                     "Only 1 of 3 award cells for G: England in VELLUM",
                                     "Only 0 of 3 award cells for G: England in VELLUM",
                                     "Skipped incomplete VELLUM row: G",
                                     "Skipped incomplete VELLUM row: ,,",
                                     "Couldn't find LoTW match for F: France in VELLUM",
                                     "Skipped incomplete VELLUM row:    "}));
    // Cells beyond the header's columns are ignored.
    EXPECT_EQ(pass.Summary(), (Strings{"  MIX:    2 matches", " 160M:    1 matches", "  80M:    0 matches,   1 mismatch "}));
}

TEST(ListingPass, DeleteMarkLayouts)
{
    // Layout 7: the mark leads; an empty mark is a leading comma.
    Pass pass = RunPass("D,Prefix,Country,MIX,160,80\n,G,England,*,*," + kDot + "\nY,G,England,*,*," + kDot +
                    "\nY,G\n");
    EXPECT_TRUE(pass.Mismatches().empty());
    EXPECT_EQ(pass.Summary(), (Strings{"  MIX:    2 matches", " 160M:    2 matches"}));
    EXPECT_EQ(pass.Notes().back(), "Skipped incomplete VELLUM row: Y,G");

    // Layout 8: the mark follows the name and must not be empty.
    pass = RunPass("Prefix,Country name,Del,Mix,160,80\nG,England,Y,*,*," + kDot + "\nG,England\n");
    EXPECT_TRUE(pass.Mismatches().empty());
    EXPECT_EQ(pass.Notes().back(), "Only 0 of 3 award cells for G: England in VELLUM");
}

TEST(ListingPass, LongLinesAreKeptWhole)
{
    const std::string name(300, 'N');
    const Pass pass = RunPass(kHeader + "W," + name + ",C,*,*\nQ," + name + ",*\n");
    ASSERT_EQ(pass.Mismatches().size(), 3u);
    EXPECT_EQ(pass.Mismatches()[0], "MISMATCH -  MIX:     W: " + name + "  LoTW: [X]   VELLUM: [C]");
    EXPECT_EQ(pass.Notes().back(), "Couldn't find LoTW match for Q: " + name + " in VELLUM");
}

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
