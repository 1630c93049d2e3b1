#include "cli_command.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

#include "compare.h"
#include "format.h"
#include "replacement_file.h"
#include "stdio_file.h"
#include "file_identity.h"
#include "system.h"
#include "version.h"

namespace {

const char* const kStandardInputName = "standard input";
const char* const kOutOfMemory = "out of memory";

// Where the report goes (cli_command.h says how), through one buffer of 64 KiB,
// stdio's or the file's: it is never held whole.
class ReportOutput : public ReportSink {
public:
    ReportOutput(const std::string& path, std::FILE* out)
        : out_(out), file_(path.empty() ? nullptr : std::make_unique<ReplacementFile>(path)),
          cleanup_(file_ ? file_->TemporaryName() : std::string()),
          what_(file_ ? "could not write " + path : std::string("could not write the report"))
    {
        if (!file_)
            std::setvbuf(out, nullptr, _IOFBF, std::size_t{64} * 1024);
    }

    // The engine empties its sink once, before the first row: rows written
    // cannot be taken back.
    void Clear() override { failed_ = failed_ || written_; }
    void Append(std::string_view row) override { AppendRows(std::string(row) + '\n'); }
    // Rows ended by LF go out in one write; into the file with CR LF.
    void AppendRows(std::string_view rows) override
    {
        written_ = true;
        if (failed_)
            return;  // rows after a failure are dropped
        if (!file_) {
            Check(WriteText(out_, rows, TextKind::Rows));
            return;
        }
        withCrLf_.clear();
        for (std::size_t start = 0; start < rows.size();) {
            const std::size_t end = std::min(rows.find('\n', start), rows.size());
            withCrLf_.append(rows, start, end - start).append("\r\n");
            start = end + 1;
        }
        Check(file_->Write(withCrLf_));
    }

    bool Opened() const { return !file_ || file_->Error().empty(); }
    bool Finish() { return !failed_ && Check(file_ ? file_->Commit() : FlushAll(out_)); }
    std::string Failure() const
    {
        const std::string reason = file_ ? file_->Error() : reason_;
        return what_ + ": " + (reason.empty() ? "the report was restarted after rows were written" : reason);
    }

private:
    // errno says why standard output failed.
    bool Check(bool succeeded)
    {
        if (!succeeded && !failed_)
            reason_ = std::strerror(errno);
        failed_ = failed_ || !succeeded;
        return succeeded;
    }

    std::FILE* out_;
    std::unique_ptr<ReplacementFile> file_;
    RemovedOnInterrupt cleanup_;
    std::string what_;
    bool written_ = false;
    bool failed_ = false;
    std::string reason_;
    std::string withCrLf_;
};

// Why the engine could not open or read an input, asked again where that
// cannot wait (as a pipe's name may): the engine's errno may be stale.
std::string WhyUnreadable(const ComparisonInput& input, int errorAfterRun)
{
    const FileKind kind = input.stream ? FileKind::Other : KindOf(input.name);
    errno = 0;
    if (kind == FileKind::Folder)
        return std::strerror(EISDIR);
    if (kind != FileKind::Other && !OpenFile(input.name, "rb") && errno != 0)
        return std::strerror(errno);
    return std::strerror(errorAfterRun != 0 ? errorAfterRun : EIO);
}

// What messages call the input that -o names, or "".
std::string InputUnderOutput(const CliArguments& arguments, std::FILE* in)
{
    const std::optional<FileIdentity> output = IdentityOf(arguments.outputPath);
    for (const std::string* input : {&arguments.htmlPath, &arguments.csvPath}) {
        const bool standardInput = *input == kStandardInput;
        if (output && output == (standardInput ? IdentityOf(in) : IdentityOf(*input)))
            return standardInput ? kStandardInputName : *input;
    }
    return "";
}

int Compare(const CliArguments& arguments, std::FILE* in, std::FILE* out, std::FILE* err)
{
    const std::string input = arguments.outputPath.empty() ? "" : InputUnderOutput(arguments, in);
    if (!input.empty()) {
        PrintMessage(err, arguments.outputPath + ": is the input file " + input + "; the report is not written over it");
        return kExitTrouble;
    }
    ReportOutput report(arguments.outputPath, out);
    if (!report.Opened()) {
        PrintMessage(err, report.Failure());
        return kExitTrouble;
    }
    const auto inputFor = [in](const std::string& path) {
        return path == kStandardInput ? ComparisonInput(kStandardInputName, in) : ComparisonInput(path);
    };
    const ComparisonInput html = inputFor(arguments.htmlPath);
    const ComparisonInput csv = inputFor(arguments.csvPath);
    CompareOptions options;
    options.submittedAsChecked = arguments.submittedAsChecked ? 1 : 0;
    errno = 0;
    const RunOutcome outcome = RunComparison(html, csv, options, report);
    const int errorAfterRun = errno;
    if (outcome.status == RunStatus::OutOfMemory) {
        PrintMessage(err, kOutOfMemory);
        return kExitTrouble;
    }
    if (outcome.status != RunStatus::Completed) {
        const bool htmlFailed = outcome.status == RunStatus::HtmlNotOpened || outcome.status == RunStatus::HtmlNotRead;
        const ComparisonInput& unread = htmlFailed ? html : csv;
        PrintMessage(err, unread.name + ": " + WhyUnreadable(unread, errorAfterRun));
        return kExitTrouble;  // an unfinished report file is removed unseen
    }
    const bool written = report.Finish();
    if (!written)
        PrintMessage(err, report.Failure());
    // Whatever the status, a script reading standard error learns that the
    // report may be wrong.
    for (const std::string& row : outcome.errorRows)
        PrintMessage(err, row);
    if (!written || !outcome.headerUnderstood || !outcome.lotwCreditsRead)
        return kExitTrouble;
    return outcome.mismatchLines > 0 || outcome.problemNotes > 0 ? kExitDisagree : kExitAgree;
}

const char* const kUsage = "Usage: tornwick-compare [OPTION]... LOTW_HTML VELLUM_CSV\n"
                             "Compares a saved LoTW Award Credit Matrix page with a VELLUM DXCC listing\n"
                             "and prints every disagreement, then the matches and mismatches per column.\n"
                             "Either file may be '-', standard input.\n"
                             "\n"
                             "      --submitted-as-checked  count VELLUM \"S\" (submitted) cells as checked\n"
                             "  -o, --output=FILE           write the report to FILE (CR LF line ends); FILE\n"
                             "                              is replaced only once the whole report is on disk\n"
                             "  -h, --help                  print this help and exit\n"
                             "      --version               print the version and exit\n"
                             "\n"
                             "Long options may be shortened to any unambiguous prefix.\n"
                             "\n"
                             "Exit status: 0 when logbook and LoTW agree, 1 when the report lists\n"
                             "disagreements or problems, 2 when the comparison could not be run or its\n"
                             "report not written, the listing's header was not understood or no LoTW\n"
                             "credit could be read (errors go to standard error as well).\n";

}  // namespace

void PrintMessage(std::FILE* stream, const std::string& text)
{
    std::string line = "tornwick-compare: ";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n' || c == '\r' || c == '\t')
            line += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            line += Format("\\x%02X", byte);
        else
            line += c;
    }
    WriteText(stream, line + "\n", TextKind::Message);
}

namespace {

// Help and version, which fail as the report does: with the reason.
int PrintText(const char* text, const char* what, std::FILE* out, std::FILE* err)
{
    errno = 0;
    if (WriteAll(out, text) && FlushAll(out))
        return kExitAgree;
    PrintMessage(err, std::string("could not write the ") + what + ": " + std::strerror(errno != 0 ? errno : EIO));
    return kExitTrouble;
}

int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in)
{
    CliArguments arguments;
    std::string error;
    if (!ParseArguments(args, arguments, error)) {
        PrintMessage(err, error);
        PrintMessage(err, "Try 'tornwick-compare --help' for more information.");
        return kExitTrouble;
    }
    if (arguments.action == CliArguments::Action::Compare)
        return Compare(arguments, in, out, err);
    if (arguments.action == CliArguments::Action::Help)
        return PrintText(kUsage, "help", out, err);
    return PrintText("tornwick " TORNWICK_VERSION_TEXT "\n", "version", out, err);
}

}  // namespace

// Out of memory outside the engine (its rows, on their way out) ends the
// run as inside it does; an unfinished report file is removed on the way.
int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in)
{
    try {
        return Run(args, out, err, in);
    } catch (const std::bad_alloc&) {
        PrintMessage(err, kOutOfMemory);
        return kExitTrouble;
    }
}
