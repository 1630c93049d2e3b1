#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "cli_command.h"
#include "file_bytes.h"
#include "stdio_file.h"
#include "system.h"
#include "test_support.h"

#ifdef _WIN32
#include <windows.h>

#include <io.h>

#include "text_encoding.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>

#include <cerrno>
#include <cstring>
#endif

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

Result RunCli(const Strings& args, std::FILE* in)
{
    File out(std::tmpfile());
    File err(std::tmpfile());
    Result result;
    result.status = RunCompareCommand(args, out.get(), err.get(), in);
    result.out = ReadStream(out.get());
    result.err = ReadStream(err.get());
    return result;
}

Result RunCli(const Strings& args, const std::string& standardInput = "")
{
    File in = StreamOf(standardInput);
    return RunCli(args, in.get());
}

std::string Joined(const Strings& rows, const char* end)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + end;
    return text;
}

// Whole files by UTF-8 name, through the program's own opener, so that
// names beyond the code page work on Windows too.  "" when unreadable.
std::string Slurp(const std::string& path)
{
    StdioFile file = OpenFile(path, "rb");
    return file ? ReadStream(file.get()) : std::string();
}

void Spill(const std::string& path, const std::string& bytes)
{
    StdioFile file = OpenFile(path, "wb");
    ASSERT_TRUE(file) << path;
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file.get()), bytes.size());
}

Strings FolderHolds(const std::string& folder);

// A folder of the scratch area (UTF-8 name), emptied of what an earlier run
// left in it.
std::string ScratchFolderNamed(const std::string& name)
{
    const std::string path = std::string(TORNWICK_SCRATCH_DIR) + "/" + name;
#ifdef _WIN32
    ::CreateDirectoryW(WindowsFileName(path).c_str(), nullptr);
    for (const std::string& file : FolderHolds(path))
        ::DeleteFileW(WindowsFileName(path + "/" + file).c_str());
#else
    ::mkdir(path.c_str(), 0777);
    for (const std::string& file : FolderHolds(path))
        ::unlink((path + "/" + file).c_str());
#endif
    return path;
}

// The names in a folder, sorted: a failed write must leave no stray file.
Strings FolderHolds(const std::string& folder)
{
    Strings found;
#ifdef _WIN32
    WIN32_FIND_DATAW data;
    HANDLE search = ::FindFirstFileW((WindowsFileName(folder) + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        const std::string name = Utf8FromWide(data.cFileName);
        if (name != "." && name != "..")
            found.push_back(name);
    } while (::FindNextFileW(search, &data));
    ::FindClose(search);
#else
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                found.emplace_back(entry->d_name);
        ::closedir(dir);
    }
#endif
    std::sort(found.begin(), found.end());
    return found;
}

const std::string kOldReport = "the report before\r\n";

// -o that cannot be carried out: status 2, one message naming the file and
// the reason, the old report as it was and no temporary file left behind.
void ExpectReportNotWritten(const Strings& args, const std::string& target, const std::string& message,
                            const Strings& folderHolds, std::FILE* in = nullptr)
{
    const Result r = in ? RunCli(args, in) : RunCli(args);
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tornwick-compare: " + message + "\n");
    EXPECT_EQ(Slurp(target), kOldReport);
    EXPECT_EQ(FolderHolds(target.substr(0, target.rfind('/'))), folderHolds);
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

    // getopt_long's ways of writing the same: attached values, unambiguous
    // prefixes, "-" for standard input.
    ASSERT_TRUE(ParseArguments({"-or.txt", "--sub", "-", "b.csv"}, parsed, error));
    EXPECT_EQ(parsed.outputPath, "r.txt");
    EXPECT_TRUE(parsed.submittedAsChecked);
    EXPECT_EQ(parsed.htmlPath, kStandardInput);
    ASSERT_TRUE(ParseArguments({"a.html", "--out=x.txt", "-", "--o", "-y"}, parsed, error));
    EXPECT_EQ(parsed.outputPath, "-y");
    EXPECT_EQ(parsed.csvPath, kStandardInput);
    ASSERT_TRUE(ParseArguments({"--he"}, parsed, error));
    EXPECT_EQ(parsed.action, CliArguments::Action::Help);
    ASSERT_TRUE(ParseArguments({"--ver", "whatever"}, parsed, error));
    EXPECT_EQ(parsed.action, CliArguments::Action::Version);
#ifdef _WIN32
    ASSERT_TRUE(ParseArguments({"/?"}, parsed, error));
    EXPECT_EQ(parsed.action, CliArguments::Action::Help);
#endif

    const std::pair<Strings, std::string> bad[] = {
        {{}, "needs LOTW_HTML and VELLUM_CSV"},
        {{"a.html"}, "needs LOTW_HTML and VELLUM_CSV"},
        {{"a", "b", "c"}, "too many file names"},
        {{"-", "-"}, "standard input ('-') can stand for only one of the two files"},
        {{"--frobnicate", "a", "b"}, "unrecognized option '--frobnicate'"},
        {{"--output-file=r", "a", "b"}, "unrecognized option '--output-file=r'"},
        {{"--=r", "a", "b"}, "option '--' is ambiguous; possibilities: '--submitted-as-checked' "
                             "'--output' '--help' '--version'"},
        {{"-x", "a", "b"}, "invalid option -- 'x'"},
        {{"--help=yes"}, "option '--help' doesn't allow an argument"},
        {{"a", "b", "-o"}, "option requires an argument -- 'o'"},
        {{"a", "b", "--outp"}, "option '--output' requires an argument"},
        {{"a", "b", "--output="}, "the output file name is empty"},
    };
    for (const auto& [args, message] : bad) {
        error.clear();
        EXPECT_FALSE(ParseArguments(args, parsed, error));
        EXPECT_EQ(error, message);
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

    // Trouble in the report itself: the report is printed, status 2, and its
    // error rows repeated on standard error.
    r = RunCli({page, Fixture("listing-not-vellum.csv")});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out, "ERROR: Didn't recognize VELLUM .CSV file.\n\n");
    EXPECT_EQ(r.err, "tornwick-compare: ERROR: Didn't recognize VELLUM .CSV file.\n");

    // No LoTW credit read: every entity would look missing from LoTW.
    r = RunCli({Fixture("not-a-matrix.html"), Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out.rfind("ERROR: No LoTW Award Credit Matrix found in the HTML file.\n", 0), 0u);
    EXPECT_EQ(r.err, "tornwick-compare: ERROR: No LoTW Award Credit Matrix found in the HTML file.\n");

    // A header whose columns name neither bands nor frequencies: status 2
    // says why.
    const std::string unnamed = ScratchPath("unnamed.csv");
    Spill(unnamed, "Prefix,Country,MIX,CW\nDL,Germany,*,*\n");
    r = RunCli({page, unnamed});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.err, "tornwick-compare: Can't determine band or frequency from the VELLUM listing.\n");

    // Error rows with status 1 too: a page cut short may give a wrong report.
    const std::string cut = ScratchPath("cut.html");
    const std::string whole = Slurp(page);
    Spill(cut, whole.substr(0, whole.find("</table>\n</body>")));
    r = RunCli({cut, Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitDisagree);
    EXPECT_EQ(r.err, "tornwick-compare: ERROR: The LoTW Award Credit Matrix in the HTML file ends before its "
                     "table does; the page may have been saved only in part, and the report may be wrong.\n");
}

TEST(CliCommand, ReportBytesPassThroughUnchanged)
{
    // The middle dot never reaches the report, but names keep their own bytes.
    const Result r = RunCli({Fixture("lotw-small.html"), Fixture("listing-bands-crlf.csv")});
    EXPECT_EQ(r.status, kExitDisagree);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_NE(r.out.find("\nMISMATCH -  PHO:     G: England"), std::string::npos);
}

TEST(CliCommand, StandardInputIsEitherFile)
{
    std::string page;
    std::string listing;
    ASSERT_TRUE(ReadFileBytes(Fixture("lotw-small.html"), page));
    ASSERT_TRUE(ReadFileBytes(Fixture("listing-delete7.csv"), listing));
    const Result fromFiles = RunCli({Fixture("lotw-small.html"), Fixture("listing-delete7.csv")});
    EXPECT_EQ(RunCli({"-", Fixture("listing-delete7.csv")}, page).out, fromFiles.out);
    const Result fromInput = RunCli({Fixture("lotw-small.html"), "-"}, listing);
    EXPECT_EQ(fromInput.out, fromFiles.out);
    EXPECT_EQ(fromInput.status, kExitDisagree);
#ifndef _WIN32
    // Standard input that cannot be read: the reason, status 2.
    File folder(::fdopen(::open(TORNWICK_SCRATCH_DIR, O_RDONLY), "rb"));
    ASSERT_TRUE(folder);
    const Result unread = RunCli({Fixture("lotw-small.html"), "-"}, folder.get());
    EXPECT_EQ(unread.status, kExitTrouble);
    EXPECT_EQ(unread.out, "");
    EXPECT_EQ(unread.err, "tornwick-compare: standard input: Is a directory\n");
#endif
}

TEST(CliCommand, ErrorsNameTheProgramTheFileAndTheReason)
{
    const std::string missing = ScratchPath("missing.csv");
    Result r = RunCli({Fixture("lotw-small.html"), missing});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tornwick-compare: " + missing + ": No such file or directory\n");

    // Control characters in a name are escaped: a message is one line.
    r = RunCli({Fixture("lotw-small.html"), missing + "\n\r\t\x01\x7F.csv"});
    EXPECT_EQ(r.err.rfind("tornwick-compare: " + missing + "\\n\\r\\t\\x01\\x7F.csv: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;

    const std::string folder = TORNWICK_SCRATCH_DIR;
    r = RunCli({folder, Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.err, "tornwick-compare: " + folder + ": Is a directory\n");

#ifdef __linux__
    // Standard output that cannot take the report.
    File full(std::fopen("/dev/full", "wb"));
    File err(std::tmpfile());
    ASSERT_TRUE(full && err);
    EXPECT_EQ(RunCompareCommand({Fixture("lotw-small.html"), Fixture("listing-agree.csv")}, full.get(), err.get()),
              kExitTrouble);
    EXPECT_EQ(ReadStream(err.get()), "tornwick-compare: could not write the report: No space left on device\n");
    // Help and version fail as the report does.
    File err2(std::tmpfile());
    EXPECT_EQ(RunCompareCommand({"--version"}, full.get(), err2.get()), kExitTrouble);
    File closed(std::fopen("/dev/null", "rb"));  // as standard output closed by ">&-"
    EXPECT_EQ(RunCompareCommand({"--help"}, closed.get(), err2.get()), kExitTrouble);
    EXPECT_EQ(ReadStream(err2.get()), "tornwick-compare: could not write the version: No space left on device\n"
                                      "tornwick-compare: could not write the help: Bad file descriptor\n");
#endif

    r = RunCli({"--bogus"});
    EXPECT_EQ(r.status, kExitTrouble);
    EXPECT_EQ(r.err, "tornwick-compare: unrecognized option '--bogus'\n"
                     "tornwick-compare: Try 'tornwick-compare --help' for more information.\n");

    r = RunCli({"--version"});
    EXPECT_EQ(r.status, kExitAgree);
    EXPECT_TRUE(std::regex_match(r.out, std::regex("tornwick [0-9]+\\.[0-9]+(\\.[0-9]+)?\n"))) << r.out;
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
}

// Names beyond any code page, for the folder and the files, in and out.
TEST(CliCommand, FileNamesInAnyScript)
{
    const std::string folder = ScratchFolderNamed("\xC3\x85lesund \xD0\x96\xD1\x83\xD0\xBA "
                                                  "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9D\x84\x9E");
    const std::string page = folder + "/\xC3\xA9t\xC3\xA9.html";
    const std::string listing = folder + "/\xD0\xBB\xD0\xBE\xD0\xB3.csv";
    const std::string report = folder + "/\xE5\xA0\xB1\xE5\x91\x8A \xF0\x9F\x93\xBB.txt";
    Spill(page, Slurp(Fixture("lotw-small.html")));
    Spill(listing, Slurp(Fixture("listing-delete7.csv")));

    Result r = RunCli({"-o", report, page, listing});
    EXPECT_EQ(r.status, kExitDisagree) << r.err;
    const Result plain = RunCli({Fixture("lotw-small.html"), Fixture("listing-delete7.csv")});
    EXPECT_EQ(Slurp(report), std::regex_replace(plain.out, std::regex("\n"), "\r\n"));

    // Messages give the name as typed, as UTF-8.
    r = RunCli({page, folder + "/\xD0\xBD\xD0\xB5\xD1\x82.csv"});
    EXPECT_EQ(r.err, "tornwick-compare: " + folder + "/\xD0\xBD\xD0\xB5\xD1\x82.csv: No such file or directory\n");
}

TEST(CliCommand, ReportFileIsReplacedWholeOrNotAtAll)
{
    const std::string page = Fixture("lotw-small.html");
    const std::string folder = ScratchFolderNamed("replaced");
    const std::string target = folder + "/old.txt";
    const std::string listing = folder + "/listing.csv";
    Spill(listing, kOldReport);
    ExpectReportNotWritten({"-o", listing, page, listing}, listing,
                           listing + ": is the input file " + listing + "; the report is not written over it",
                           {"listing.csv"});
    // The same file by another spelling.
    const std::string spelling = folder + "/../replaced/./listing.csv";
    ExpectReportNotWritten({"-o" + spelling, listing, page}, listing,
                           spelling + ": is the input file " + listing + "; the report is not written over it",
                           {"listing.csv"});
    // The listing as standard input, redirected from the file.
    StdioFile redirected = OpenFile(listing, "rb");
    ExpectReportNotWritten({"-o", listing, page, "-"}, listing,
                           listing + ": is the input file standard input; the report is not written over it",
                           {"listing.csv"}, redirected.get());
#ifndef _WIN32
    // A FIFO as both: refused, rather than waiting for a reader for ever.
    const std::string fifo = folder + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(RunCli({"-o", fifo, page, fifo}).err,
              "tornwick-compare: " + fifo + ": is the input file " + fifo + "; the report is not written over it\n");
    ::unlink(fifo.c_str());
    ASSERT_EQ(::link(listing.c_str(), target.c_str()), 0);
    ExpectReportNotWritten({"--out", target, page, listing}, target,
                           target + ": is the input file " + listing + "; the report is not written over it",
                           {"listing.csv", "old.txt"});
#endif

    const std::string nowhere = ScratchPath("no-such-folder") + "/r.txt";
    const Result r = RunCli({"-o", nowhere, page, Fixture("listing-agree.csv")});
    EXPECT_EQ(r.status, kExitTrouble);
    // The reason in the system's own words.
    const std::string start = "tornwick-compare: could not write " + nowhere + ": ";
    EXPECT_EQ(r.err.rfind(start, 0), 0u) << r.err;
    EXPECT_GT(r.err.size(), start.size() + 1);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);

#ifndef _WIN32
    // A report file reached through a symbolic link: the link stays.
    const std::string link = folder + "/link.txt";
    ASSERT_EQ(::symlink("old.txt", link.c_str()), 0);
    EXPECT_EQ(RunCli({"-o", link, page, Fixture("listing-agree.csv")}).status, kExitAgree);
    struct stat status {};
    EXPECT_TRUE(::lstat(link.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
    EXPECT_EQ(Slurp(target).rfind("VELLUM Award Modes: [MIX] \r\n", 0), 0u);
    // A link to a file not there yet creates it, as ">" does.
    const std::string dangling = folder + "/dangling.txt";
    ASSERT_EQ(::symlink("notyet.txt", dangling.c_str()), 0);
    EXPECT_EQ(RunCli({"-o", dangling, page, Fixture("listing-agree.csv")}).status, kExitAgree);
    EXPECT_TRUE(::lstat(dangling.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
    EXPECT_EQ(Slurp(folder + "/notyet.txt"), Slurp(target));
    // A loop of links is refused, with the system's reason.
    const std::string loop = folder + "/loop.txt";
    ASSERT_EQ(::symlink("loop2.txt", loop.c_str()), 0);
    ASSERT_EQ(::symlink("loop.txt", (folder + "/loop2.txt").c_str()), 0);
    const Result looped = RunCli({"-o", loop, page, Fixture("listing-agree.csv")});
    EXPECT_EQ(looped.status, kExitTrouble);
    EXPECT_EQ(looped.err, "tornwick-compare: could not write " + loop + ": Too many levels of symbolic links\n");
    EXPECT_TRUE(::lstat(loop.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
    EXPECT_EQ(FolderHolds(folder),
              Strings({"dangling.txt", "link.txt", "listing.csv", "loop.txt", "loop2.txt", "notyet.txt", "old.txt"}));

    // The replacement keeps the permissions of the file it replaces.
    for (const mode_t mode : {0600, 0640}) {
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        EXPECT_EQ(RunCli({"-o", target, page, Fixture("listing-agree.csv")}).status, kExitAgree);
        EXPECT_TRUE(::stat(target.c_str(), &status) == 0 && (status.st_mode & 0777) == mode) << std::oct << mode;
    }
    ::chmod(target.c_str(), 0644);
#endif

    // A device is written to, never replaced.
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    EXPECT_EQ(RunCli({"-o", device, page, Fixture("listing-agree.csv")}).status, kExitAgree);
#ifndef _WIN32
    EXPECT_TRUE(::stat(device.c_str(), &status) == 0 && S_ISCHR(status.st_mode));
#endif

    // An input that cannot be read leaves the old report too.
    Spill(target, kOldReport);
    ExpectReportNotWritten({"-o", target, page, folder + "/none.csv"}, target,
                           folder + "/none.csv: No such file or directory", FolderHolds(folder));
}

#ifdef __linux__

namespace {

// A small tmpfs of its own, for a disk that fills up or turns read-only.
// Mounting needs root; without it the tests that use one are skipped.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder) : folder_(folder)
    {
        ::mkdir(folder.c_str(), 0777);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0)
            mounted_ = true;
        else
            why_ = std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }

    bool MakeReadOnly() { return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

    // Fills the disk to its last byte.
    void Fill()
    {
        StdioFile filler = OpenFile(folder_ + "/filler", "wb");
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), filler.get()) == block.size() &&
               std::fflush(filler.get()) == 0) {
        }
    }

private:
    std::string folder_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace

// Standard input whose first read brings the signal, as Ctrl+C or a kill
// would while the report file is being written.
ssize_t SignalOnRead(void* signal, char*, size_t)
{
    ::raise(*static_cast<int*>(signal));
    return 0;
}

// Runs body in a child process and waits for it; the wait status.
template <typename Body>
int InChild(Body body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return status;
}

// A listing of entities LoTW lacks: its report is a note of 50 bytes a row.
std::string UnknownEntities(int rows)
{
    std::string listing = "Prefix,Country,MIX,160,80\n";
    for (int row = 0; row < rows; ++row)
        listing += "ZZ,Nowhere,*,*,*\n";
    return listing;
}

// Every signal that would end the program and can be caught removes the
// temporary file first.
TEST(CliCommand, InterruptedReportFileLeavesNoTemporaryFile)
{
    const std::string folder = ScratchFolderNamed("interrupted");
    const std::string target = folder + "/old.txt";
    Spill(target, kOldReport);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGXCPU,
                       SIGRTMIN}) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            cookie_io_functions_t reads{};
            reads.read = SignalOnRead;
            File in(::fopencookie(&signal, "r", reads));
            RunCli({"-o", target, Fixture("lotw-small.html"), "-"}, in.get());
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"}) << "signal " << signal;
        EXPECT_EQ(Slurp(target), kOldReport);
    }
}

// A file-size limit (ulimit -f) is a write error like a full disk.
TEST(CliCommand, ReportFileBeyondALimit)
{
    const std::string folder = ScratchFolderNamed("limited");
    const std::string target = folder + "/old.txt";
    const std::string listing = ScratchPath("unknown-entities.csv");
    const std::string err = ScratchPath("limited-err.txt");
    Spill(target, kOldReport);
    Spill(listing, UnknownEntities(400));
    const int status = InChild([&] {
        const rlimit eightKiB{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &eightKiB);
        const Result r = RunCli({"-o", target, Fixture("lotw-small.html"), listing});
        Spill(err, r.err);
        return r.status;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitTrouble) << status;
    EXPECT_EQ(Slurp(err), "tornwick-compare: could not write " + target + ": File too large\n");
    EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"});
    EXPECT_EQ(Slurp(target), kOldReport);
}

// AddressSanitizer takes more address space than any limit would leave.
#ifndef __SANITIZE_ADDRESS__
TEST(CliCommand, ReportFileBeyondTheMemoryLimit)
{
    const std::string folder = ScratchFolderNamed("memory-limited");
    const std::string target = folder + "/old.txt";
    const std::string err = ScratchPath("memory-limited-err.txt");
    Spill(target, kOldReport);
    // A listing without end on standard input: its report fills any memory.
    const int status = InChild([&] {
        rlimit room{};
        ::getrlimit(RLIMIT_AS, &room);
        long pages = 0;
        if (File statm{std::fopen("/proc/self/statm", "r")})
            (void)std::fscanf(statm.get(), "%ld", &pages);
        room.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64 << 20);
        ::setrlimit(RLIMIT_AS, &room);
        cookie_io_functions_t reads{};
        reads.read = [](void*, char* buffer, size_t size) -> ssize_t {
            static bool header = true;
            const std::string_view rows = header ? "Prefix,Country,MIX,160,80\n" : "ZZ,Nowhere,*,*,*\n";
            header = false;
            std::size_t filled = 0;
            while (filled + rows.size() <= size) {
                std::memcpy(buffer + filled, rows.data(), rows.size());
                filled += rows.size();
            }
            return static_cast<ssize_t>(filled);
        };
        File endless(::fopencookie(nullptr, "r", reads));
        const Result r = RunCli({"-o", target, Fixture("lotw-small.html"), "-"}, endless.get());
        Spill(err, r.err);
        return r.status;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitTrouble) << status;
    EXPECT_EQ(Slurp(err), "tornwick-compare: out of memory\n");
    EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"});
    EXPECT_EQ(Slurp(target), kOldReport);
}
#endif

// A name of an open stream of this process is written through that stream:
// what the shell wrote to it before stays.
TEST(CliCommand, ReportToAnOpenStream)
{
    const std::string log = ScratchFolderNamed("streams") + "/log.txt";
    Spill(log, "OLD\n");
    const Strings inputs = {Fixture("lotw-small.html"), Fixture("listing-agree.csv")};
    const std::string report = std::regex_replace(RunCli(inputs).out, std::regex("\n"), "\r\n");
    const int appending = ::open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_NE(appending, -1);
    for (const std::string name : {"/dev/fd/", "/proc/self/fd/"}) {
        const Result r = RunCli({"-o", name + std::to_string(appending), inputs[0], inputs[1]});
        EXPECT_EQ(r.status, kExitAgree) << r.err;
    }
    // As "{ echo OLD; tornwick-compare -o /dev/stdout ...; } > log.txt".
    const int status = InChild([&] {
        ::dup2(appending, 1);
        return RunCli({"-o", "/dev/stdout", inputs[0], inputs[1]}).status;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitAgree) << status;
    ::close(appending);
    EXPECT_EQ(Slurp(log), "OLD\n" + report + report + report);
    EXPECT_EQ(FolderHolds(ScratchPath("streams")), Strings{"log.txt"});
}

// A report file its owner made read-only is refused, as ">" refuses it.
TEST(CliCommand, ReadOnlyReportFileIsKept)
{
    const std::string folder = ScratchFolderNamed("read-only");
    const std::string target = folder + "/old.txt";
    Spill(target, kOldReport);
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();  // root writes any file: an ordinary user
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    ASSERT_EQ(::chown(target.c_str(), owner, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    const int status = InChild([&] {
        if (::setuid(owner) != 0)
            return 99;
        const Result r = RunCli({"-o", target, Fixture("lotw-small.html"), Fixture("listing-agree.csv")});
        return r.status == kExitTrouble && r.err == "tornwick-compare: could not write " + target +
                                                        ": Permission denied\n" ? 0 : 1;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Slurp(target), kOldReport);
    EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"});
}

// With standard input closed ("<&-"), a file opened takes no standard
// stream's number: "-" is then unreadable, not that file.
TEST(CliCommand, ClosedStandardInput)
{
    const std::string err = ScratchPath("closed-err.txt");
    const int status = InChild([&] {
        ::close(0);
        KeepStandardStreamsApart();
        const Result r = RunCli({Fixture("lotw-small.html"), "-"}, stdin);
        Spill(err, r.err);
        return r.status;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitTrouble) << status;
    EXPECT_EQ(Slurp(err), "tornwick-compare: standard input: Bad file descriptor\n");
}

TEST(CliCommand, ReportFileOnAFullOrReadOnlyDisk)
{
    const std::string folder = ScratchFolderNamed("small-disk");
    const std::string target = folder + "/old.txt";
    const Strings args = {"-o", target, Fixture("lotw-small.html"), Fixture("listing-frequency.csv")};
    {
        SmallDisk disk(folder);
        if (!disk.Mounted())
            GTEST_SKIP() << disk.Why();
        Spill(target, kOldReport);
        disk.Fill();
        ExpectReportNotWritten(args, target, "could not write " + target + ": No space left on device",
                               {"filler", "old.txt"});
    }
    {
        SmallDisk disk(folder);
        Spill(target, kOldReport);
        ASSERT_TRUE(disk.MakeReadOnly());
        ExpectReportNotWritten(args, target, "could not write " + target + ": Read-only file system",
                               {"old.txt"});
    }
}

#endif

#ifdef _WIN32
// Another program holds the report file open without sharing its deletion:
// -o tries again for a while, then gives the system's reason, and the old
// report stays.  Released after a moment, the report is written.
TEST(CliCommand, ReportFileHeldByAnotherProgram)
{
    const std::string folder = ScratchFolderNamed("held");
    const std::string target = folder + "/old.txt";
    Spill(target, kOldReport);
    const Strings args = {"-o", target, Fixture("lotw-small.html"), Fixture("listing-agree.csv")};
    const auto hold = [&] {
        return ::CreateFileW(WindowsFileName(target).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE holder = hold();
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const Result held = RunCli(args);
    ::CloseHandle(holder);
    EXPECT_EQ(held.status, kExitTrouble);
    const std::string start = "tornwick-compare: could not write " + target + ": ";
    EXPECT_EQ(held.err.rfind(start, 0), 0u) << held.err;
    EXPECT_GT(held.err.size(), start.size() + 5) << held.err;
    EXPECT_EQ(Slurp(target), kOldReport);
    EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"});

    holder = hold();
    std::thread release([holder] {
        ::Sleep(300);
        ::CloseHandle(holder);
    });
    const Result released = RunCli(args);
    release.join();
    EXPECT_EQ(released.status, kExitAgree) << released.err;
    EXPECT_EQ(Slurp(target).rfind("VELLUM Award Modes: [MIX] \r\n", 0), 0u);
    EXPECT_EQ(FolderHolds(folder), Strings{"old.txt"});
}

// A report file with the read-only attribute is refused, and kept.
TEST(CliCommand, ReadOnlyReportFileIsKept)
{
    const std::string folder = ScratchFolderNamed("read-only");
    const std::string target = folder + "/old.txt";
    Spill(target, kOldReport);
    const std::wstring name = WindowsFileName(target);
    ASSERT_TRUE(::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectReportNotWritten({"-o", target, Fixture("lotw-small.html"), Fixture("listing-agree.csv")}, target,
                           "could not write " + target + ": Access denied", {"old.txt"});
    ::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The full name decides the long form: a short relative name in a deep
// folder is long too.  Names in the long form are answered as any other.
TEST(CliCommand, LongForms)
{
    const std::wstring name = WindowsFileName(std::string(115, 'a') + "/" + std::string(120, 'b') + ".txt");
    EXPECT_EQ(name.rfind(L"\\\\?\\", 0), 0u) << Utf8FromWide(name);
    EXPECT_EQ(name.substr(name.size() - 125), L"\\" + std::wstring(120, L'b') + L".txt");

    const std::string folder = "\\\\?\\" + ScratchFolderNamed("long-forms");
    const std::string listing = folder + "\\listing.csv";
    Spill(listing, kOldReport);
    Result r = RunCli({folder, listing});
    EXPECT_EQ(r.err, "tornwick-compare: " + folder + ": Is a directory\n");
    r = RunCli({"-o", listing, Fixture("lotw-small.html"), folder.substr(4) + "/listing.csv"});
    EXPECT_EQ(r.err, "tornwick-compare: " + listing + ": is the input file " + folder.substr(4) +
                         "/listing.csv; the report is not written over it\n");
    EXPECT_EQ(Slurp(listing), kOldReport);
}

// A new console, and a stream that writes to it.
class Console {
public:
    Console()
    {
        ::FreeConsole();
        EXPECT_TRUE(::AllocConsole()) << ::GetLastError();
        screen_ = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
        HANDLE writer = INVALID_HANDLE_VALUE;
        ::DuplicateHandle(::GetCurrentProcess(), screen_, ::GetCurrentProcess(), &writer, 0, FALSE,
                          DUPLICATE_SAME_ACCESS);
        stream_.reset(::_fdopen(::_open_osfhandle(reinterpret_cast<intptr_t>(writer), 0), "w"));
    }
    ~Console() { ::CloseHandle(screen_); }
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    std::FILE* Stream() const { return stream_.get(); }

    // The screen's lines above the cursor, as it shows them.
    std::wstring Shown() const
    {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        ::GetConsoleScreenBufferInfo(screen_, &info);
        std::wstring shown(static_cast<std::size_t>(info.dwSize.X * info.dwCursorPosition.Y), L' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterW(screen_, shown.data(), static_cast<DWORD>(shown.size()), COORD{0, 0}, &read);
        return shown;
    }

private:
    HANDLE screen_ = INVALID_HANDLE_VALUE;
    StdioFile stream_;
};

// A console shows UTF-8 bytes in its own code page: messages to it go out as
// wide text.
TEST(CliMessages, ConsoleShowsNamesInAnyScript)
{
    Console console;
    ASSERT_TRUE(console.Stream());
    PrintMessage(console.Stream(), "\xC3\x85lesund \xD0\x96\xD1\x83\xD0\xBA \xE6\x9D\xB1\xE4\xBA\xAC");
    EXPECT_NE(console.Shown().find(L"tornwick-compare: \u00C5lesund \u0416\u0443\u043A \u6771\u4EAC"),
              std::wstring::npos);
}

// The report's rows are the files' bytes in the ANSI code page; a console,
// which would read them in its OEM code page, shows them as that reads them.
TEST(CliMessages, ConsoleShowsRowsAsTheAnsiCodePageReadsThem)
{
    const std::string listing = ScratchPath("aland.csv");
    Spill(listing, "Prefix,Country,MIX,160,80\nOH0,\xC5land Islands,*,*,*\n");
    Console console;
    ASSERT_TRUE(console.Stream());
    File err(std::tmpfile());
    EXPECT_EQ(RunCompareCommand({Fixture("lotw-small.html"), listing}, console.Stream(), err.get()), kExitDisagree);
    EXPECT_NE(console.Shown().find(L"Couldn't find LoTW match for OH0: \u00C5land Islands in VELLUM"),
              std::wstring::npos);
}
#endif
