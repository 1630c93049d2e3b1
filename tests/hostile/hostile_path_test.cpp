// Paths that do not name a readable file, one file given as both inputs, and
// report files written by several writers at once.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "file_bytes.h"
#include "hostile_support.h"
#include "replacement_file.h"

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

// Writers that replace one report at the same moment: whichever commits last
// wins, whole, and nothing of the other shows in it.
TEST(HostilePath, ConcurrentWritersLeaveOneWholeReport)
{
    const std::string target = ScratchFile("concurrent.txt", "");
    const std::string reports[2] = {std::string(300000, 'a'), std::string(200000, 'b')};
    for (int round = 0; round < 20; ++round) {
        std::atomic<int> ready{0};
        bool committed[2] = {false, false};
        auto write = [&](int writer) {
            ReplacementFile file(target);
            ++ready;
            while (ready < 2) {
            }
            const std::string& report = reports[writer];
            bool ok = true;
            for (std::size_t at = 0; ok && at < report.size(); at += 1000)
                ok = file.Write(std::string_view(report).substr(at, 1000));
            committed[writer] = ok && file.Commit();
            EXPECT_EQ(committed[writer], file.Error().empty());
        };
        std::thread first(write, 0);
        std::thread second(write, 1);
        first.join();
        second.join();

        ASSERT_TRUE(committed[0] || committed[1]);
        std::string saved;
        ASSERT_TRUE(ReadFileBytes(target, saved));
        EXPECT_TRUE((committed[0] && saved == reports[0]) || (committed[1] && saved == reports[1]))
            << "round " << round << ": a report of " << saved.size() << " bytes";
    }
}

// A report name near the file system's limit of 255 bytes leaves no room for
// a suffix: the temporary file takes a short name of its own.
TEST(HostilePath, ReportNamedNearTheLengthLimit)
{
    const std::string target = ScratchFile(std::string(250, 'r') + ".txt", "old");
    ReplacementFile file(target);
    EXPECT_TRUE(file.Write("new") && file.Commit()) << file.Error();
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(target, saved));
    EXPECT_EQ(saved, "new");
}

}  // namespace
