// Damaged, re-encoded and wrong VELLUM listings, each compared whole with the
// sound page.
#include <gtest/gtest.h>

#include <string>

#include "hostile_support.h"

namespace {

const Rows kNotAListing = {"ERROR: Didn't recognize VELLUM .CSV file.", ""};

std::string ListingOf(const std::string& header, const std::vector<std::string>& rows)
{
    std::vector<std::string> lines = rows;
    lines.insert(lines.begin(), header);
    return Joined(lines, "\r\n");
}

TEST(HostileListing, NothingThatLooksLikeAListingIsNotRecognised)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131) & 0xFF);
    for (const std::string& listing :
         {std::string(), std::string("\r\n\r\n\n"), std::string(3, '\0') + SoundListing(), binary,
          SoundPage()}) {
        const Comparison result = CompareBytes(SoundPage(), listing);
        EXPECT_EQ(result.rows, kNotAListing);
        EXPECT_FALSE(result.outcome.headerUnderstood);
    }
}

TEST(HostileListing, Utf16ListingIsNamedAsSuch)
{
    const Comparison result = CompareBytes(SoundPage(), Utf16LittleEndian(SoundListing()));
    EXPECT_EQ(result.rows,
              (Rows{"ERROR: Didn't recognize VELLUM .CSV file.",
                    "ERROR: The CSV file is UTF-16 (Unicode) text; export the VELLUM listing "
                    "again as ANSI text.",
                    ""}));
    EXPECT_FALSE(result.outcome.headerUnderstood);
}

TEST(HostileListing, Utf8ListingReadsAsTheAnsiOne)
{
    // Re-saved as UTF-8 with a byte-order mark: the mark sits in the header's
    // first field, and the middle dot of an empty cell becomes two bytes.
    // England's 80 m cell is empty here, where LoTW grants credit.
    std::string ansi = SoundListing();
    ansi.replace(ansi.find(",C\r\n"), 2, ",\xB7");
    std::string utf8 = "\xEF\xBB\xBF" + ansi;
    for (std::size_t dot = utf8.find('\xB7'); dot != std::string::npos; dot = utf8.find('\xB7', dot + 2))
        utf8.insert(dot, "\xC2");

    const Comparison expected = CompareBytes(SoundPage(), ansi);
    ASSERT_EQ(expected.rows.at(5),
              "MISMATCH -  80M:     G: England                       LoTW: [X]   VELLUM: [ ]");
    EXPECT_EQ(CompareBytes(SoundPage(), utf8).rows, expected.rows);
}

TEST(HostileListing, LineFeedsAloneChangeNothing)
{
    std::vector<std::string> lines = SoundListingRows();
    lines.insert(lines.begin(), SoundListingHeader());
    EXPECT_EQ(CompareBytes(SoundPage(), Joined(lines, "\n")).rows, SoundReport());
}

// A row an editor ended by CR alone, among rows ended by LF or CR LF: each
// is a row of its own, none glued to the next and lost.
TEST(HostileListing, MixedLineEndsLoseNoRow)
{
    const std::vector<std::string> rows = SoundListingRows();
    const std::string header = SoundListingHeader();
    EXPECT_EQ(CompareBytes(SoundPage(), header + "\n" + rows[0] + "\r" + rows[1] + "\n" + rows[2] + "\n").rows,
              SoundReport());
    EXPECT_EQ(CompareBytes(SoundPage(), header + "\r\n" + rows[0] + "\r\n" + rows[1] + "\r" + rows[2] + "\r").rows,
              SoundReport());
    EXPECT_EQ(CompareBytes(SoundPage(), header + "\r" + rows[0] + "\n" + rows[1] + "\r\r\n" + rows[2]).rows,
              SoundReport());
}

TEST(HostileListing, HeaderAloneGivesOnlyTheHeaderLines)
{
    const Comparison result = CompareBytes(SoundPage(), SoundListingHeader() + "\r\n");
    EXPECT_EQ(result.rows,
              (Rows{"VELLUM Award Modes: [MIX] [CW] ", "VELLUM Award Bands: [160] [80] ", "", ""}));
    EXPECT_TRUE(result.outcome.headerUnderstood);
    EXPECT_EQ(result.outcome.mismatchLines + result.outcome.problemNotes, 0u);
}

TEST(HostileListing, ShortAndIncompleteRowsAreNoted)
{
    const std::string listing = ListingOf(SoundListingHeader(), {
                                                                    "G,England,*,*",
                                                                    "DL,Germany,*",
                                                                    "F",
                                                                    ",,,",
                                                                    "DL",
                                                                });
    EXPECT_EQ(CompareBytes(SoundPage(), listing).rows,
              (Rows{
                  "VELLUM Award Modes: [MIX] [CW] ",
                  "VELLUM Award Bands: [160] [80] ",
                  "",
                  "Only 2 of 4 award cells for G: England in VELLUM",
                  "Only 1 of 4 award cells for DL: Germany in VELLUM",
                  "Skipped incomplete VELLUM row: F",
                  "Skipped incomplete VELLUM row: ,,,",
                  "Skipped incomplete VELLUM row: DL",
                  "",
                  "  MIX:    2 matches",
                  "   CW:    1 matches",
                  "",
              }));
}

TEST(HostileListing, TenThousandHeaderColumns)
{
    // The header is read in 2047-byte pieces like any line: the first piece
    // is the header, every later piece a row of its own.
    const char* const names[] = {"MIX", "PHO", "CW", "RTTY", "IMG", "Sat",
                                 "160", "80",  "60", "40",   "30",  "20",
                                 "17",  "15",  "12", "10",   "6",   "2"};
    std::string header = "Prefix,Country";
    for (int i = 0; i < 10000; ++i)
        header += std::string(",") + names[i % 18];
    const Comparison result = CompareBytes(SoundPage(), ListingOf(header, SoundListingRows()));
    ASSERT_EQ(result.outcome.status, RunStatus::Completed);
    EXPECT_TRUE(result.outcome.headerUnderstood);
    ASSERT_GE(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[0], "VELLUM Award Modes: [MIX] [PHO] [CW] [RTTY] [IMG] ");
    EXPECT_EQ(result.rows[1].rfind("VELLUM Award Bands: [Sat] [160] [80] [60] [40] ", 0), 0u);
    for (const std::string& row : result.rows)
        EXPECT_LT(row.size(), 4096u);
}

TEST(HostileListing, OneMegabyteRowIsReadInPieces)
{
    std::string row = "DL,Germany";
    while (row.size() < (1u << 20))
        row += ",*";
    const Comparison result =
        CompareBytes(SoundPage(), ListingOf(SoundListingHeader(), {row, "F,France,*,*,*,*"}));
    ASSERT_EQ(result.outcome.status, RunStatus::Completed);
    // The first piece is Germany's row; each later piece begins "*,*,...".
    const std::size_t pieces = (row.size() + 2 + 2046) / 2047;
    std::size_t pieceNotes = 0;
    for (const std::string& line : result.rows)
        pieceNotes += line == "Couldn't find LoTW match for *: * in VELLUM" ? 1 : 0;
    EXPECT_EQ(pieceNotes, pieces - 1);
    EXPECT_EQ(result.outcome.mismatchLines, 1u);  // Germany's CW
}

TEST(HostileListing, CtrlZReadsTheSameOnEveryPlatform)
{
    // Old DOS tools end a text file with Ctrl-Z; the Windows C runtime's text
    // mode would stop reading at any Ctrl-Z and drop the rows after it.
    EXPECT_EQ(CompareBytes(SoundPage(), SoundListing() + "\x1A").rows, SoundReport());

    std::vector<std::string> rows = SoundListingRows();
    rows[0] += "\x1A";
    // England's 80 m cell reads "C\x1A"; the rows after it are read too.
    EXPECT_EQ(CompareBytes(SoundPage(), ListingOf(SoundListingHeader(), rows)).rows, SoundReport());
}

TEST(HostileListing, TheOutcomeTellsTheReportsErrorRows)
{
    // The rows that begin "ERROR:", in report order, whoever wrote them: the
    // page's notes, the listing's, and a header of unknown columns so named.
    std::vector<std::string> cutPage = SoundPageLines();
    cutPage.resize(5);
    const struct {
        std::string page;
        std::string listing;
        std::size_t errors;
    } cases[] = {
        {SoundPage(), SoundListing(), 0},
        {SoundPage(), Utf16LittleEndian(SoundListing()), 2},
        {std::string(), SoundListing(), 1},
        {Joined(cutPage, "\n"), SoundListing(), 1},
        {SoundPage(), ListingOf("Prefix,Country,ERROR:,9,8", SoundListingRows()), 1},
    };
    for (const auto& pair : cases) {
        const Comparison result = CompareBytes(pair.page, pair.listing);
        Rows errors;
        for (const std::string& row : result.rows)
            if (row.rfind("ERROR:", 0) == 0)
                errors.push_back(row);
        EXPECT_EQ(errors.size(), pair.errors);
        EXPECT_EQ(result.outcome.errorRows, errors);
    }
}

}  // namespace
