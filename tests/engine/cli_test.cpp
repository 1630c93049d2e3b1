#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_arguments.h"
#include "cli_command.h"
#include "file_bytes.h"
#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadStream(std::FILE* file)
{
    std::rewind(file);
    std::string bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes += static_cast<char>(c);
    return bytes;
}

Result RunCli(const Strings& args)
{
    File out(std::tmpfile());
    File err(std::tmpfile());
    Result result;
    result.status = RunCompareCommand(args, out.get(), err.get());
    result.out = ReadStream(out.get());
    result.err = ReadStream(err.get());
    return result;
}

std::string Joined(const Strings& rows, const char* end)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + end;
    return text;
}

}  // namespace

TEST(CliArguments, Parsing)
{
    CliArguments parsed;
    std::string error;
    ASSERT_TRUE(ParseArguments({"--submitted-as-checked", "a.html", "b.csv"}, parsed, error));
    EXPECT_TRUE(parsed.submittedAsChecked);
    EXPECT_EQ(parsed.htmlPath, "a.html");
    EXPECT_EQ(parsed.csvPath, "b.csv");
    EXPECT_EQ(parsed.outputPath, "");

    ASSERT_TRUE(ParseArguments({"a.html", "-o", "r.txt", "b.csv"}, parsed, error));
    EXPECT_EQ(parsed.outputPath, "r.txt");
    EXPECT_FALSE(parsed.submittedAsChecked);
    ASSERT_TRUE(ParseArguments({"--output=r.txt", "--", "-a.html", "b.csv"}, parsed, error));
    EXPECT_EQ(parsed.outputPath, "r.txt");
    EXPECT_EQ(parsed.htmlPath, "-a.html");

    ASSERT_TRUE(ParseArguments({"--version", "whatever"}, parsed, error));
    EXPECT_EQ(parsed.action, CliArguments::Action::Version);

    for (const Strings& bad : {Strings{}, Strings{"a.html"}, Strings{"a", "b", "c"},
                               Strings{"--frobnicate", "a", "b"}, Strings{"a", "b", "-o"},
                               Strings{"a", "b", "--output="}}) {
        error.clear();
        EXPECT_FALSE(ParseArguments(bad, parsed, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(CliCommand, ExitStatusFollowsTheReport)
{
    const std::string page = Fixture("lotw-small.html");
    Result r = RunCli({page, Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitAgree);
    EXPECT_EQ(r.out, Joined({"VELLUM Award Modes: [MIX] ", "VELLUM Award Bands: [160] [80] ", "", "",
                             "  MIX:    2 matches", " 160M:    1 matches", "  80M:    1 matches", ""},
                            "\n"));
    EXPECT_EQ(r.err, "");

    r = RunCli({page, Fixture("listing-delete7.csv")});
    EXPECT_EQ(r.status, kExitDisagree);

    // A problem note alone also counts as a disagreement.
    r = RunCli({Fixture("not-a-matrix.html"), Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitDisagree);

    // A header that was not understood: report printed, status 2.
    r = RunCli({page, Fixture("listing-not-vellum.csv")});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out, "ERROR: Didn't recognize VELLUM .CSV file.\n\n");
}

TEST(CliCommand, ReportBytesPassThroughUnchanged)
{
    // The middle dot never reaches the report, but names keep their own bytes.
    const Result r = RunCli({Fixture("lotw-small.html"), Fixture("listing-bands-crlf.csv")});
    EXPECT_EQ(r.status, kExitDisagree);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_NE(r.out.find("\nMISMATCH -  PHO:     G: England"), std::string::npos);
}

TEST(CliCommand, TroubleIsOneLineOnStandardError)
{
    const std::string missing = ScratchPath("missing.csv");
    Result r = RunCli({Fixture("lotw-small.html"), missing});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "ERROR:  Could not open CSV file " + missing + ".\n");

    r = RunCli({"--bogus"});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);

    r = RunCli({"--version"});
    EXPECT_EQ(r.status, kExitAgree);
    EXPECT_EQ(r.out, "tornwick 4.1\n");
    r = RunCli({"--help"});
    EXPECT_EQ(r.status, kExitAgree);
    EXPECT_EQ(r.out.rfind("Usage: tornwick-compare", 0), 0u);
}

TEST(CliCommand, OutputFileHasCrLfRows)
{
    const std::string report = ScratchPath("report.txt");
    const Result r = RunCli({"--submitted-as-checked", "-o", report, Fixture("lotw-small.html"),
                          Fixture("listing-frequency.csv")});
    EXPECT_EQ(r.status, kExitDisagree);
    EXPECT_EQ(r.out, "");
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(report, saved));
    EXPECT_EQ(saved.rfind("VELLUM Award Modes: [Mix] [PHO] [CW] [DIG] \r\nVELLUM Award Bands: ", 0), 0u);
    EXPECT_EQ(saved.substr(saved.size() - 4), "\r\n\r\n");

    // A file that cannot be created: one line on stderr, status 2.
    const Result bad = RunCli({"-o", ScratchPath("no-such-folder") + "/r.txt", Fixture("lotw-small.html"),
                            Fixture("listing-frequency.csv")});
    EXPECT_EQ(bad.status, kExitTrouble);
    EXPECT_NE(bad.err.find("could not create"), std::string::npos);
}
