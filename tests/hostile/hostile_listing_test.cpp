// Damaged, re-encoded and wrong VELLUM listings, each compared whole with the
// sound page.
#include <gtest/gtest.h>

#include <string>

#include "hostile_support.h"

namespace {

std::string ListingOf(const std::string& header, const std::vector<std::string>& rows)
{
    std::vector<std::string> lines = rows;
    lines.insert(lines.begin(), header);
    return Joined(lines, "\r\n");
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
