#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "compare.h"
#include "file_bytes.h"
#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kLongName =
    "Republic of the Very Very Very Very Very Very Very Very Very Very Very Very Very Very Very Very "
    "Very Very Very Very Very Very Very Very Very Long Name";

const Strings kBandsReport = {
    "VELLUM Award Modes: [MIX] [PHO] [CW] [RTTY] [IMG] ",
    "VELLUM Award Bands: [Sat] [160] [80] [60] [40] [20] [2] ",
    "",
    "Only 2 of 12 award cells for GM: Scotland in VELLUM",
    "Couldn't find LoTW match for F: France in VELLUM",
    "Skipped incomplete VELLUM row: 9A,,,",
    "Couldn't find LoTW match for 3D2: " + kLongName + " in VELLUM",
    "",
    "MISMATCH -  PHO:     G: England                       LoTW: [X]   VELLUM: [C]",
    "MISMATCH -  IMG:     G: England                       LoTW: [ ]   VELLUM: [*]",
    "MISMATCH -  80M:    DL: Germany                       LoTW: [X]   VELLUM: [C]",
    "MISMATCH -  20M:    DL: Germany                       LoTW: [X]   VELLUM: [S]",
    "MISMATCH -  PHO:     W: United States                 LoTW: [X]   VELLUM: [ ]",
    "",
    "  MIX:    5 matches",
    "  PHO:    0 matches,   2 mismatchs",
    "   CW:    2 matches",
    " RTTY:    1 matches",
    "  IMG:    0 matches,   1 mismatch ",
    "  Sat:    1 matches",
    " 160M:    1 matches",
    "  80M:    1 matches,   1 mismatch ",
    "  20M:    1 matches,   1 mismatch ",
    "   2M:    1 matches",
    "",
};

const Strings kFrequencyReport = {
    "VELLUM Award Modes: [Mix] [PHO] [CW] [DIG] ",
    "VELLUM Award Bands: [1.8] [3.7] [7] [14] ",
    "",
    "",
    "MISMATCH -   CW:     G: England                       LoTW: [X]   VELLUM: [ ]",
    "MISMATCH -  80M:     G: England                       LoTW: [X]   VELLUM: [C]",
    "MISMATCH -  Mix:    DL: Germany                       LoTW: [X]   VELLUM: [C]",
    "",
    "    Mix:    1 matches,   1 mismatch ",
    "    PHO:    1 matches",
    "     CW:    1 matches,   1 mismatch ",
    " 1.8MHz:    1 matches",
    " 3.7MHz:    1 matches,   1 mismatch ",
    "  14MHz:    1 matches",
    "",
};

const Strings kDelete7Report = {
    "VELLUM Award Modes: [MIX] ",
    "VELLUM Award Bands: [160] [80] ",
    "",
    "",
    "MISMATCH -  80M:    DL: Germany                       LoTW: [X]   VELLUM: [C]",
    "",
    "  MIX:    2 matches",
    " 160M:    1 matches",
    "  80M:    1 matches,   1 mismatch ",
    "",
};

}  // namespace

TEST(Comparison, BandsListingLfAndCrLf)
{
    for (const char* page : {"lotw-small.html", "lotw-small-crlf.html"}) {
        for (const char* listing : {"listing-bands.csv", "listing-bands-crlf.csv"}) {
            SCOPED_TRACE(std::string(page) + " " + listing);
            EXPECT_EQ(CompareFixtures(page, listing), kBandsReport);
        }
    }
}

TEST(Comparison, SubmittedAsChecked)
{
    Strings expected = kBandsReport;
    expected.erase(expected.begin() + 11);  // the DL 20M "S" mismatch
    expected[expected.size() - 3] = "  20M:    2 matches";
    EXPECT_EQ(CompareFixtures("lotw-small.html", "listing-bands.csv", 1), expected);
}

TEST(Comparison, CountryNameListingUsesFrequencyNaming)
{
    EXPECT_EQ(CompareFixtures("lotw-small.html", "listing-frequency.csv"), kFrequencyReport);
}

TEST(Comparison, DeleteColumnLayouts)
{
    EXPECT_EQ(CompareFixtures("lotw-small.html", "listing-delete7.csv"), kDelete7Report);

    // Layout 8 with an empty mark: DL's cells move one column left.
    EXPECT_EQ(CompareFixtures("lotw-small.html", "listing-delete8.csv"),
              (Strings{
                  "VELLUM Award Modes: [Mix] [CW] ",
                  "VELLUM Award Bands: [160] [80] ",
                  "",
                  "Only 3 of 4 award cells for DL: Germany in VELLUM",
                  "",
                  "MISMATCH -  80M:     G: England                       LoTW: [X]   VELLUM: [C]",
                  "MISMATCH -  Mix:    DL: Germany                       LoTW: [X]   VELLUM: [C]",
                  "MISMATCH -   CW:    DL: Germany                       LoTW: [X]   VELLUM: [ ]",
                  "MISMATCH - 160M:    DL: Germany                       LoTW: [ ]   VELLUM: [*]",
                  "",
                  "  Mix:    1 matches,   1 mismatch ",
                  "   CW:    1 matches,   1 mismatch ",
                  " 160M:    1 matches,   1 mismatch ",
                  "  80M:    0 matches,   1 mismatch ",
                  "",
              }));
}

TEST(Comparison, ListingNotRecognised)
{
    CompareOptions options;
    RowSink sink;
    const RunOutcome outcome =
        RunComparison(Fixture("lotw-small.html"), Fixture("listing-not-vellum.csv"), options, sink);
    EXPECT_EQ(sink.rows, (Strings{"ERROR: Didn't recognize VELLUM .CSV file.", ""}));
    EXPECT_FALSE(outcome.headerUnderstood);
    EXPECT_EQ(outcome.problemNotes, 1u);
}

TEST(Comparison, PageWithoutCreditMatrixLeavesEveryEntityUnmatched)
{
    EXPECT_EQ(CompareFixtures("not-a-matrix.html", "listing-delete7.csv"),
              (Strings{"ERROR: No LoTW Award Credit Matrix found in the HTML file.",
                       "VELLUM Award Modes: [MIX] ", "VELLUM Award Bands: [160] [80] ", "",
                       "Couldn't find LoTW match for G: England in VELLUM",
                       "Couldn't find LoTW match for DL: Germany in VELLUM", ""}));
}

TEST(Comparison, OutcomeCountsMismatchesAndProblemNotes)
{
    CompareOptions options;
    RowSink sink;
    RunOutcome outcome =
        RunComparison(Fixture("lotw-small.html"), Fixture("listing-bands.csv"), options, sink);
    EXPECT_EQ(outcome.status, RunStatus::Completed);
    EXPECT_TRUE(outcome.headerUnderstood);
    EXPECT_EQ(outcome.mismatchLines, 5u);
    EXPECT_EQ(outcome.problemNotes, 4u);

    outcome = RunComparison(Fixture("lotw-small.html"), Fixture("listing-agree.csv"), options, sink);
    EXPECT_TRUE(outcome.headerUnderstood);
    EXPECT_EQ(outcome.mismatchLines, 0u);
    EXPECT_EQ(outcome.problemNotes, 0u);
    EXPECT_EQ(sink.rows.size(), 4u + 4u);  // header notes and summary, each with its empty row
}

TEST(Comparison, EachRunStartsAfresh)
{
    // A listing compared after others gives the report it gives when compared first.
    CompareOptions options;
    RowSink sink;
    const auto run = [&](const char* listing) {
        RunComparison(Fixture("lotw-small.html"), Fixture(listing), options, sink);
        return sink.rows;
    };
    const Strings delete7 = run("listing-delete7.csv");
    EXPECT_EQ(delete7, kDelete7Report);
    EXPECT_EQ(run("listing-frequency.csv"), kFrequencyReport);  // after a delete column
    EXPECT_EQ(run("listing-bands.csv"), kBandsReport);          // after "Country name,"
    EXPECT_EQ(run("listing-delete7.csv"), delete7);
    EXPECT_EQ(run("listing-delete7.csv"), delete7);
    EXPECT_EQ(options.layout, 7);
    EXPECT_EQ(options.hasDeleteColumn, 1);
}

TEST(Comparison, UnopenableFileLeavesTheShownReportAlone)
{
    const Strings shown = {"earlier report", ""};
    const std::string missing = ScratchPath("no-such-file.html");

    CompareOptions options;
    options.submittedAsChecked = 1;
    options.hasDeleteColumn = 1;
    RowSink sink;
    sink.rows = shown;
    RunOutcome outcome = RunComparison(missing, Fixture("listing-bands.csv"), options, sink);
    EXPECT_EQ(outcome.status, RunStatus::HtmlNotOpened);
    EXPECT_EQ(outcome.message, "ERROR:  Could not open HTML file " + missing + ".");
    EXPECT_EQ(sink.rows, shown);

    outcome = RunComparison(Fixture("lotw-small.html"), missing, options, sink);
    EXPECT_EQ(outcome.status, RunStatus::CsvNotOpened);
    EXPECT_EQ(outcome.message, "ERROR:  Could not open CSV file " + missing + ".");
    EXPECT_EQ(sink.rows, shown);
    EXPECT_EQ(options.hasDeleteColumn, 1);
    EXPECT_EQ(options.submittedAsChecked, 1);
}

TEST(Comparison, AReadErrorStopsTheRunLikeAFileThatCannotBeOpened)
{
    // Both files longer than the reader's first block, so that the error
    // comes in the middle of the file, not at its start.
    std::string page;
    std::string listing;
    ASSERT_TRUE(ReadFileBytes(Fixture("lotw-small.html"), page));
    ASSERT_TRUE(ReadFileBytes(Fixture("listing-bands.csv"), listing));
    for (int i = 0; i < 10000; ++i) {
        page.insert(0, "<!-- saved page -->\n");
        listing += "F,France,*,*,*,*,*,*,*,*,*,*,*,*\n";
    }
    const Strings shown = {"earlier report", ""};
    CompareOptions options;
    options.submittedAsChecked = 1;
    options.hasDeleteColumn = 1;
    options.layout = 8;
    RowSink sink;
    sink.rows = shown;

    File failingPage = FailingStreamOf(page, page.size() / 2);
    if (!failingPage)
        GTEST_SKIP() << "no fault-injecting stream on this system";
    File listingStream = StreamOf(listing);
    RunOutcome outcome = RunComparison({"page.html", failingPage.get()},
                                       {"listing.csv", listingStream.get()}, options, sink);
    EXPECT_EQ(outcome.status, RunStatus::HtmlNotRead);
    EXPECT_EQ(outcome.message, "ERROR:  Could not read HTML file page.html.");

    File pageStream = StreamOf(page);
    File failingListing = FailingStreamOf(listing, listing.size() / 2);
    outcome = RunComparison({"page.html", pageStream.get()}, {"listing.csv", failingListing.get()},
                            options, sink);
    EXPECT_EQ(outcome.status, RunStatus::CsvNotRead);
    EXPECT_EQ(outcome.message, "ERROR:  Could not read CSV file listing.csv.");

    EXPECT_EQ(sink.rows, shown);
    EXPECT_EQ(options.submittedAsChecked, 1);
    EXPECT_EQ(options.hasDeleteColumn, 1);
    EXPECT_EQ(options.layout, 8);

    // Whole, the same bytes compare.
    pageStream = StreamOf(page);
    listingStream = StreamOf(listing);
    outcome = RunComparison({"page.html", pageStream.get()}, {"listing.csv", listingStream.get()},
                            options, sink);
    EXPECT_EQ(outcome.status, RunStatus::Completed);
    EXPECT_EQ(options.layout, 7);
}

#ifndef _WIN32
TEST(Comparison, PipesAreReadLikeFiles)
{
    // The page as a caller-opened stream (standard input), the listing by a
    // name that opens a pipe (as /dev/stdin or a process substitution do).
    std::string page;
    std::string listing;
    ASSERT_TRUE(ReadFileBytes(Fixture("lotw-small.html"), page));
    ASSERT_TRUE(ReadFileBytes(Fixture("listing-bands.csv"), listing));
    int pagePipe[2];
    int listingPipe[2];
    ASSERT_EQ(pipe(pagePipe), 0);
    ASSERT_EQ(pipe(listingPipe), 0);
    // Both files fit in a pipe's buffer: written whole before the run.
    EXPECT_EQ(write(pagePipe[1], page.data(), page.size()), static_cast<ssize_t>(page.size()));
    EXPECT_EQ(write(listingPipe[1], listing.data(), listing.size()),
              static_cast<ssize_t>(listing.size()));
    close(pagePipe[1]);
    close(listingPipe[1]);

    File pageStream(fdopen(pagePipe[0], "rb"));
    ASSERT_TRUE(pageStream);
    CompareOptions options;
    RowSink sink;
    const RunOutcome outcome =
        RunComparison({"-", pageStream.get()},
                      "/dev/fd/" + std::to_string(listingPipe[0]), options, sink);
    close(listingPipe[0]);
    EXPECT_EQ(outcome.status, RunStatus::Completed) << outcome.message;
    EXPECT_EQ(sink.rows, kBandsReport);
}
#endif
