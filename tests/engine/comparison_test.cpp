#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "case_rows.h"
#include "compare.h"
#include "file_bytes.h"
#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;

}  // namespace

TEST(Comparison, EachRunStartsAfresh)
{
    // A listing compared after others gives the report it gives when compared first.
    CompareOptions options;
    RowSink sink;
    const auto run = [&](const char* listing) {
        RunComparison(Fixture("lotw-small.html"), Fixture(listing), options, sink);
        // The size announced before the rows is the size of the rows that came.
        std::size_t bytes = 0;
        for (const std::string& row : sink.rows)
            bytes += row.size();
        EXPECT_EQ(sink.reserved, std::make_pair(sink.rows.size(), bytes));
        return sink.rows;
    };
    const Strings delete7 = run("listing-delete7.csv");
    EXPECT_EQ(delete7, CaseRows("header/delete-column-first-layout-7"));
    // After a delete column, and after "Country name,".
    EXPECT_EQ(run("listing-frequency.csv"), CaseRows("header/country-name-names-frequencies"));
    EXPECT_EQ(run("listing-bands.csv"), CaseRows("rows/bands-listing-every-rule"));
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
    EXPECT_EQ(sink.rows, CaseRows("rows/bands-listing-every-rule"));
}
#endif
