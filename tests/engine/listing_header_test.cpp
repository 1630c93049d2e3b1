#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing_header.h"

namespace {

using Strings = std::vector<std::string>;
using Map = std::vector<int>;

struct Analysed {
    HeaderAnalysis analysis;
    CompareOptions options;
    AwardColumnNames names;
    ReportLists lists;

    Strings Notes() const { return lists.Lines(ReportGroup::NotesGroup); }
    const Map& ColumnMap() const { return analysis.columns->map; }
};

Analysed Analyse(const std::string& header, CompareOptions options = {})
{
    Analysed result;
    result.options = options;
    result.analysis = AnalyseListingHeader(header, result.options, result.names, result.lists);
    return result;
}

}  // namespace

TEST(ListingHeader, BandsHeaderWithModesAndBands)
{
    const Analysed a = Analyse("Prefix,Country,MIX,PHO,CW,RTTY,Sat,160,80,40,20,15,10\r\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.analysis.columns->naming, ColumnNaming::Bands);
    EXPECT_EQ(a.ColumnMap(), (Map{0, 1, 2, 3, 5, 6, 7, 9, 11, 13, 15}));
    EXPECT_EQ(a.Notes(), (Strings{"VELLUM Award Modes: [MIX] [PHO] [CW] [RTTY] ",
                                  "VELLUM Award Bands: [Sat] [160] [80] [40] [20] [15] [10] ", ""}));
    EXPECT_EQ(a.analysis.headerNotes, 3u);
    EXPECT_EQ(a.options.layout, 7);
    EXPECT_EQ(a.options.hasDeleteColumn, 0);
}

TEST(ListingHeader, CountryNameHeaderRenamesColumnsAndVotesFrequencies)
{
    const Analysed a = Analyse("Prefix,Country name,Mix,PHO,CW,DIG,1.8,3.7,7,14\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.options.layout, 8);
    EXPECT_EQ(a.analysis.columns->naming, ColumnNaming::Frequencies);
    EXPECT_EQ(a.ColumnMap(), (Map{0, 1, 2, 3, 6, 7, 9, 11}));
    EXPECT_EQ(a.names.Band(0), "Mix");
    EXPECT_EQ(a.names.Frequency(3), "DIG");
    EXPECT_EQ(a.Notes(), (Strings{"VELLUM Award Modes: [Mix] [PHO] [CW] [DIG] ",
                                  "VELLUM Award Bands: [1.8] [3.7] [7] [14] ", ""}));
}

TEST(ListingHeader, UnrecognisedNamesStayOnTheCurrentLineWithoutBrackets)
{
    // Under bands naming 1.8 is no column name; MIX after a band goes on the bands line.
    const Analysed a = Analyse("Prefix,Country,160,1.8,80,40,MIX,Notes\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.ColumnMap(), (Map{6, -1, 7, 9, 0, -1}));
    EXPECT_EQ(a.Notes(), (Strings{"VELLUM Award Bands: [160] 1.8 [80] [40] [MIX] Notes ", ""}));
}

TEST(ListingHeader, NamesBeforeTheFirstRecognisedColumnAreLost)
{
    const Analysed a = Analyse("Prefix,Country,Total,160,80\n");
    EXPECT_EQ(a.Notes(), (Strings{"VELLUM Award Bands: [160] [80] ", ""}));

    // No recognised column: the line holds only the unrecognised names.
    const Analysed none = Analyse("Prefix,Country,Total,9,8\n");
    ASSERT_TRUE(none.analysis.columns);
    EXPECT_EQ(none.ColumnMap(), (Map{-1, -1, -1}));
    EXPECT_EQ(none.Notes(), (Strings{"Total 9 8 ", ""}));
    EXPECT_EQ(none.analysis.headerNotes, 2u);
}

TEST(ListingHeader, DeleteColumnIsAPlainSubstringTest)
{
    Analysed a = Analyse("D,Prefix,Country,MIX,160,80\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.options.hasDeleteColumn, 1);
    EXPECT_EQ(a.ColumnMap(), (Map{0, 6, 7}));

    a = Analyse("Prefix,Country,Del,MIX,160,80\n");
    EXPECT_EQ(a.options.hasDeleteColumn, 1);
    EXPECT_EQ(a.ColumnMap(), (Map{0, 6, 7}));

    // A column named CARD also reads as a delete column: the third field is skipped.
    a = Analyse("Prefix,Country,CARD,MIX,160,80\n");
    EXPECT_EQ(a.options.hasDeleteColumn, 1);
    EXPECT_EQ(a.ColumnMap(), (Map{0, 6, 7}));

    // Without one the flag keeps the value it had.
    CompareOptions set;
    set.hasDeleteColumn = 1;
    EXPECT_EQ(Analyse("Prefix,Country,MIX,160,80\n", set).options.hasDeleteColumn, 1);
}

TEST(ListingHeader, NamingVote)
{
    // One numeric column casts no vote.
    Analysed a = Analyse("Prefix,Country,MIX,160\n");
    EXPECT_FALSE(a.analysis.columns);
    EXPECT_EQ(a.Notes(), Strings{"Can't determine band or frequency from the VELLUM listing."});
    EXPECT_EQ(a.analysis.headerNotes, 0u);

    // The vote counts pairs of consecutive numeric fields only.
    a = Analyse("Prefix,Country,160,Sat,1.8\n");
    EXPECT_FALSE(a.analysis.columns);

    // Equal numbers vote for bands; a tie stops, with layout already set.
    a = Analyse("Prefix,Country name,10,10\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.analysis.columns->naming, ColumnNaming::Bands);
    a = Analyse("Prefix,Country name,160,80,Sat,1.8,3.7\n");
    EXPECT_FALSE(a.analysis.columns);
    EXPECT_EQ(a.options.layout, 8);

    // atof skips leading blanks.
    a = Analyse("Prefix,Country, 3.7, 7\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.analysis.columns->naming, ColumnNaming::Frequencies);
}

TEST(ListingHeader, NotAListing)
{
    const Analysed a = Analyse("Call,Country,MIX,160,80\n");
    EXPECT_FALSE(a.analysis.columns);
    EXPECT_EQ(a.Notes(), Strings{"ERROR: Didn't recognize VELLUM .CSV file."});
    EXPECT_EQ(Analyse("prefix,Country,160,80\n").Notes(),
              Strings{"ERROR: Didn't recognize VELLUM .CSV file."});
}

TEST(ListingHeader, EveryAwardColumnIsMappedAndLinesAreKeptWhole)
{
    std::string header = "Prefix,Country";
    std::string expected = "VELLUM Award Bands: ";
    Map map;
    for (int i = 0; i < 60; ++i) {
        header += i % 2 ? ",80" : ",160";
        expected += i % 2 ? "[80] " : "[160] ";
        map.push_back(i % 2 ? 7 : 6);
    }
    const Analysed a = Analyse(header + "\n");
    ASSERT_TRUE(a.analysis.columns);
    EXPECT_EQ(a.ColumnMap(), map);
    EXPECT_EQ(a.Notes(), (Strings{expected, ""}));
}
