// Damaged, re-encoded and wrong LoTW pages, each compared whole with the
// sound listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "hostile_support.h"

namespace {

std::string RandomBytes(std::size_t count)
{
    std::mt19937 random(7);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST(HostilePage, SoundPairGivesTheSoundReport)
{
    const Comparison result = CompareBytes(SoundPage(), SoundListing());
    EXPECT_EQ(result.outcome.status, RunStatus::Completed);
    EXPECT_EQ(result.rows, SoundReport());
}

TEST(HostilePage, PagesWithoutACreditMatrixSayWhy)
{
    // An empty file, a page of another site, the listing chosen twice.
    for (const std::string& page :
         {std::string(), std::string("<html><body><p>Log in to see your credits</p></body></html>\n"),
          SoundListing()}) {
        const Comparison result = CompareBytes(page, SoundListing());
        EXPECT_EQ(result.outcome.status, RunStatus::Completed);
        EXPECT_EQ(result.rows, NoMatrixReport(kNoMatrixNote)) << page;
        EXPECT_EQ(result.outcome.problemNotes, 4u);
    }
}

TEST(HostilePage, ByteOrderMarkAndBinaryJunkBeforeTheTableChangeNothing)
{
    EXPECT_EQ(CompareBytes("\xEF\xBB\xBF" + SoundPage(), SoundListing()).rows, SoundReport());
    // Binary bytes, zero bytes among them, and a megabyte-long single line
    // (a saved page's inline script) ahead of the table are skipped.
    const std::string junk = RandomBytes(std::size_t{64} * 1024) + "\n" + std::string(1 << 20, 'j') + "\n";
    EXPECT_EQ(CompareBytes(junk + SoundPage(), SoundListing()).rows, SoundReport());
}

TEST(HostilePage, CarriageReturnLineEndsChangeNothing)
{
    EXPECT_EQ(CompareBytes(Joined(SoundPageLines(), "\r\n"), SoundListing()).rows, SoundReport());
}

TEST(HostilePage, CarriageReturnsAloneReadAsLineFeeds)
{
    // Every row would otherwise be read in 2047-byte pieces (and a "/D," in
    // the swallowed text could pass for a delete column).
    EXPECT_EQ(CompareBytes(Joined(SoundPageLines(), "\r"), SoundListing()).rows, SoundReport());
    std::vector<std::string> listing = SoundListingRows();
    listing.insert(listing.begin(), SoundListingHeader());
    EXPECT_EQ(CompareBytes(Joined(SoundPageLines(), "\r"), Joined(listing, "\r")).rows,
              SoundReport());
}

TEST(HostilePage, RowsWithMoreCellsThanTheLayoutAreNotedFirst)
{
    const std::string note =
        "ERROR: The LoTW Award Credit Matrix rows have more columns than the 16 read (MIX, PHO, "
        "CW, RTTY, Sat, 160, 80, 40, 30, 20, 17, 15, 12, 10, 6, 2); LoTW may have changed the "
        "page, and the report may be wrong.";
    Rows expected = SoundReport();
    expected.insert(expected.begin(), note);

    // A seventeenth credit cell after the sixteen, as a new band would add;
    // cells opened with attributes, in capitals or with a tab count too.
    const std::string seventeen = "X X   X          ";
    for (const std::string& extraCell :
         {std::string("<td>X</td>"), std::string("<TD class=\"credit\">X</TD>"),
          std::string("<td\tid=c>X</td>")}) {
        std::vector<std::string> lines = SoundPageLines();
        lines[4].insert(lines[4].rfind("</tr>"), extraCell);
        const Comparison result = CompareBytes(Joined(lines, "\n"), SoundListing());
        EXPECT_EQ(result.rows, expected) << extraCell;
        EXPECT_EQ(result.outcome.problemNotes, 2u);
    }
    std::vector<std::string> lines = SoundPageLines();
    lines[4] = PageRow({"G", "ENGLAND", seventeen});
    EXPECT_EQ(CompareBytes(Joined(lines, "\n"), SoundListing()).rows, expected);

    // Tokens that only begin with "td" open no cell.
    lines = SoundPageLines();
    lines[4].insert(lines[4].rfind("</tr>"), "<tdata>X</tdata>");
    EXPECT_EQ(CompareBytes(Joined(lines, "\n"), SoundListing()).rows, SoundReport());

    // A row that abandons the read still empties the index, with its note.
    lines = SoundPageLines();
    lines[4] = PageRow({"G", "ENGLAND", seventeen});
    lines[5] = "<tr><td>DL</td></tr>";
    Rows broken = NoMatrixReport(kBrokenRowNote);
    broken.insert(broken.begin(), note);
    EXPECT_EQ(CompareBytes(Joined(lines, "\n"), SoundListing()).rows, broken);
}

// A cell emptied ("<td></td>") shifts the rest of its row: the report says
// which entity's credits may be wrong.  A blank cell text is no empty cell.
TEST(HostilePage, EmptyCellIsNoted)
{
    std::vector<std::string> lines = SoundPageLines();
    const std::size_t pho = lines[4].find("<td>&nbsp;</td>");
    lines[4].replace(pho, 15, "<td></td>");
    const Comparison result = CompareBytes(Joined(lines, "\n"), SoundListing());
    ASSERT_FALSE(result.rows.empty());
    EXPECT_EQ(result.rows[0], "ERROR: The LoTW Award Credit Matrix row for ENGLAND in the HTML file has an empty "
                              "cell; its credits may be read wrongly, and the report may be wrong.");
    EXPECT_EQ(result.outcome.errorRows, Rows{result.rows[0]});
    EXPECT_EQ(std::count(result.rows.begin(), result.rows.end(), result.rows[0]), 1);

    lines[4].replace(pho, 9, "<td> </td>");
    EXPECT_EQ(CompareBytes(Joined(lines, "\n"), SoundListing()).rows, SoundReport());
}

TEST(HostilePage, Utf16PageIsNamedAsSuch)
{
    const std::string page = Utf16LittleEndian(Joined(SoundPageLines(), "\r\n"));
    EXPECT_EQ(CompareBytes(page, SoundListing()).rows, NoMatrixReport(kUtf16PageNote));
}

TEST(HostilePage, BrokenRowsDiscardTheWholeMatrixAndSaySo)
{
    std::vector<std::string> lines = SoundPageLines();
    const std::string england = lines[4];
    const std::size_t middle = england.find("<td>0</td>");

    std::vector<std::string> broken = lines;  // every row over two lines
    for (std::size_t i = 3; i <= 5; ++i) {
        const std::size_t cut = broken[i].find("<td>0</td>");
        broken[i] = broken[i].substr(0, cut) + "\n" + broken[i].substr(cut);
    }
    std::vector<std::string> withZeroByte = lines;
    withZeroByte[4] = england.substr(0, middle) + std::string(1, '\0') + england.substr(middle);
    std::vector<std::string> truncated(lines.begin(), lines.begin() + 5);
    truncated[4] = england.substr(0, middle);

    for (const auto& page : {broken, withZeroByte, truncated})
        EXPECT_EQ(CompareBytes(Joined(page, "\n"), SoundListing()).rows,
                  NoMatrixReport(kBrokenRowNote));
}

TEST(HostilePage, TruncatedBetweenRowsKeepsTheRowsReadAndSaysThePageIsCut)
{
    std::vector<std::string> lines = SoundPageLines();
    lines.resize(5);  // the page ends after ENGLAND's row, without "</table>"
    const Comparison result = CompareBytes(Joined(lines, "\n"), SoundListing());
    const std::string cutNote =
        "ERROR: The LoTW Award Credit Matrix in the HTML file ends before its table does; the page "
        "may have been saved only in part, and the report may be wrong.";
    EXPECT_EQ(result.outcome.problemNotes, 3u);
    EXPECT_EQ(result.rows, (Rows{
                               cutNote,
                               "VELLUM Award Modes: [MIX] [CW] ",
                               "VELLUM Award Bands: [160] [80] ",
                               "",
                               "Couldn't find LoTW match for DL: Germany in VELLUM",
                               "Couldn't find LoTW match for F: France in VELLUM",
                               "",
                               "MISMATCH -  80M:     G: England                       LoTW: [X]   VELLUM: [C]",
                               "",
                               "  MIX:    1 matches",
                               "   CW:    1 matches",
                               "  80M:    0 matches,   1 mismatch ",
                               "",
                           }));

    // After the note on more columns, when there is one.
    lines[4] = PageRow({"G", "ENGLAND", "X X   X          "});  // 17 credit cells
    const Rows rows = CompareBytes(Joined(lines, "\n"), SoundListing()).rows;
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].rfind("ERROR: The LoTW Award Credit Matrix rows have more columns", 0), 0u);
    EXPECT_EQ(rows[1], cutNote);
}

TEST(HostilePage, WholeTableOnOneMegabyteLine)
{
    // A page saved "minified": the table on one line, read in 2047-byte
    // pieces.  No row stands on a line of its own, so nothing is credited.
    std::string table = "<table>";
    for (int i = 0; i < 5000; ++i)
        table += PageRow({"P" + std::to_string(i), "ENTITY " + std::to_string(i), "XXXXXXXXXXXXXXXX"});
    table.insert(7, PageRow({"A1", "ABU AIL IS. (DELETED)", "                "}));
    const std::string page = "<html><body>" + table + "</table></body></html>\n";
    ASSERT_GT(page.size(), 1u << 20);

    const Comparison result = CompareBytes(page, SoundListing());
    EXPECT_EQ(result.outcome.status, RunStatus::Completed);
    EXPECT_EQ(result.outcome.mismatchLines, 0u);
}

}  // namespace
