// Paths that do not name a readable file, and one file given as both inputs.
#include <gtest/gtest.h>

#include <string>

#include "hostile_support.h"

namespace {

// A sink that already shows an earlier report, as the main window's list
// does: a run that cannot open a file must leave it as it is.
Comparison CompareOverEarlierReport(const std::string& page, const std::string& listing)
{
    Comparison result;
    CompareOptions options;
    RowSink sink;
    sink.rows = {"earlier report"};
    result.outcome = RunComparison(page, listing, options, sink);
    result.rows = std::move(sink.rows);
    return result;
}

// A path that cannot be opened, given first as the page and then as the
// listing beside a sound other file: each run says which file it could not
// open and leaves the earlier report shown.
void ExpectNotOpened(const std::string& unopenable, const std::string& page,
                     const std::string& listing)
{
    Comparison result = CompareOverEarlierReport(unopenable, listing);
    EXPECT_EQ(result.outcome.status, RunStatus::HtmlNotOpened);
    EXPECT_EQ(result.outcome.message, "ERROR:  Could not open HTML file " + unopenable + ".");
    EXPECT_EQ(result.rows, Rows{"earlier report"});

    result = CompareOverEarlierReport(page, unopenable);
    EXPECT_EQ(result.outcome.status, RunStatus::CsvNotOpened);
    EXPECT_EQ(result.outcome.message, "ERROR:  Could not open CSV file " + unopenable + ".");
    EXPECT_EQ(result.rows, Rows{"earlier report"});
}

TEST(HostilePath, MissingFilesAreReportedAndTheReportKept)
{
    const std::string page = ScratchFile("paths.html", SoundPage());
    const std::string listing = ScratchFile("paths.csv", SoundListing());
    ExpectNotOpened(ScratchFolder() + "/no such file.csv", page, listing);

    const Comparison result = CompareOverEarlierReport("", listing);
    EXPECT_EQ(result.outcome.status, RunStatus::HtmlNotOpened);
    EXPECT_EQ(result.outcome.message, "ERROR:  Could not open HTML file .");
}

TEST(HostilePath, FoldersCannotBeOpened)
{
    const std::string page = ScratchFile("folders.html", SoundPage());
    const std::string listing = ScratchFile("folders.csv", SoundListing());
    ExpectNotOpened(ScratchFolder(), page, listing);
}

TEST(HostilePath, OneFileAsBothInputs)
{
    const std::string page = ScratchFile("both.html", SoundPage());
    EXPECT_EQ(Compare(page, page).rows, (Rows{"ERROR: Didn't recognize VELLUM .CSV file.", ""}));

    const std::string listing = ScratchFile("both.csv", SoundListing());
    Rows expected = NoMatrixReport(kNoMatrixNote);
    EXPECT_EQ(Compare(listing, listing).rows, expected);
}

}  // namespace
