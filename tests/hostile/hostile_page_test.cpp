// Damaged, re-encoded and wrong LoTW pages, each compared whole with the
// sound listing.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "case_rows.h"
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

TEST(HostilePage, BinaryJunkBeforeTheTableChangesNothing)
{
    // Binary bytes, zero bytes among them, and a megabyte-long single line
    // (a saved page's inline script) ahead of the table are skipped.
    const std::string junk = RandomBytes(std::size_t{64} * 1024) + "\n" + std::string(1 << 20, 'j') + "\n";
    EXPECT_EQ(CompareBytes(junk + SoundPage(), SoundListing()).rows, CaseRows("hostile/sound-pair-gives-the-sound-report"));
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
