#include "cli_command.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "cli_arguments.h"
#include "compare.h"
#include "file_identity.h"
#include "file_open.h"
#include "message_output.h"
#include "replacement_file.h"
#include "report_stream.h"
#include "version.h"

namespace {

// What messages call standard input.
const char* const kStandardInputName = "standard input";

ComparisonInput InputFor(const std::string& path, std::FILE* in)
{
    if (path == kStandardInput)
        return ComparisonInput(kStandardInputName, in);
    return ComparisonInput(path);
}

// Why an input the engine could not open or read fails, in the system's
// words.  The system is asked again where it safely can be (a regular file
// opens at once; a pipe's name might wait for a writer), so the reason does
// not hang on whatever errno the engine's last call left.
std::string WhyUnreadable(const ComparisonInput& input, int errorAfterRun)
{
    if (!input.stream) {
        int error = 0;
        switch (KindOf(input.name, error)) {
        case FileKind::Missing:
            return std::strerror(error);
        case FileKind::Folder:
            return std::strerror(EISDIR);
        case FileKind::Regular:
            errno = 0;
            if (!OpenFile(input.name, "rb") && errno != 0)
                return std::strerror(errno);
            break;
        case FileKind::Other:
            break;
        }
    }
    return std::strerror(errorAfterRun != 0 ? errorAfterRun : EIO);
}

// The message for a run that stopped before its report.
std::string RunFailure(const RunOutcome& outcome, const ComparisonInput& html,
                       const ComparisonInput& csv, int errorAfterRun)
{
    switch (outcome.status) {
    case RunStatus::HtmlNotOpened:
    case RunStatus::HtmlNotRead:
        return html.name + ": " + WhyUnreadable(html, errorAfterRun);
    case RunStatus::CsvNotOpened:
    case RunStatus::CsvNotRead:
        return csv.name + ": " + WhyUnreadable(csv, errorAfterRun);
    case RunStatus::Completed:
        break;
    }
    return outcome.message;
}

// The input the report file would replace, or nullptr.
const std::string* InputUnderOutput(const CliArguments& arguments)
{
    for (const std::string* input : {&arguments.htmlPath, &arguments.csvPath})
        if (*input != kStandardInput && SameFile(arguments.outputPath, *input))
            return input;
    return nullptr;
}

// Where the report goes: standard output, or the file -o names, which is
// replaced whole or not at all.
class Destination {
public:
    Destination(const std::string& path, std::FILE* out) : path_(path), out_(out)
    {
        if (!path.empty())
            file_ = std::make_unique<ReplacementFile>(path);
    }

    bool ToFile() const { return file_ != nullptr; }
    bool Opened() const { return !file_ || file_->Error().empty(); }

    bool Write(std::string_view block)
    {
        if (file_)
            return file_->Write(block);
        if (std::fwrite(block.data(), 1, block.size(), out_) == block.size())
            return true;
        error_ = std::strerror(errno);
        return false;
    }

    // Puts the report in place once the stream has written it all.
    bool Finish(bool streamed)
    {
        if (!streamed)
            return false;
        if (file_)
            return file_->Commit();
        if (std::fflush(out_) == 0)
            return true;
        error_ = std::strerror(errno);
        return false;
    }

    std::string Failure() const
    {
        std::string reason = file_ ? file_->Error() : error_;
        if (reason.empty())
            reason = "the report was restarted after rows were written";
        return (file_ ? "could not write " + path_ : std::string("could not write the report")) + ": " + reason;
    }

private:
    std::string path_;
    std::FILE* out_;
    std::unique_ptr<ReplacementFile> file_;
    std::string error_;
};

int Compare(const CliArguments& arguments, std::FILE* in, std::FILE* out, std::FILE* err)
{
    if (!arguments.outputPath.empty()) {
        if (const std::string* input = InputUnderOutput(arguments)) {
            PrintMessage(err, arguments.outputPath + ": is the input file " + *input +
                                  "; the report is not written over it");
            return kExitTrouble;
        }
    }
    Destination destination(arguments.outputPath, out);
    if (!destination.Opened()) {
        PrintMessage(err, destination.Failure());
        return kExitTrouble;
    }

    const ComparisonInput html = InputFor(arguments.htmlPath, in);
    const ComparisonInput csv = InputFor(arguments.csvPath, in);
    CompareOptions options;
    options.submittedAsChecked = arguments.submittedAsChecked ? 1 : 0;
    ReportStream report(destination.ToFile() ? "\r\n" : "\n",
                        [&destination](std::string_view block) { return destination.Write(block); });
    errno = 0;
    const RunOutcome outcome = RunComparison(html, csv, options, report);
    const int errorAfterRun = errno;
    if (outcome.status != RunStatus::Completed) {
        PrintMessage(err, RunFailure(outcome, html, csv, errorAfterRun));
        return kExitTrouble;  // an unfinished report file is removed unseen
    }

    const bool written = destination.Finish(report.Finish());
    if (!written)
        PrintMessage(err, destination.Failure());
    if (!written || !outcome.headerUnderstood || !outcome.lotwCreditsRead) {
        for (const std::string& row : outcome.errorRows)
            PrintMessage(err, row);
        return kExitTrouble;
    }
    return outcome.mismatchLines > 0 || outcome.problemNotes > 0 ? kExitDisagree : kExitAgree;
}

}  // namespace

int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                      std::FILE* in)
{
    CliArguments arguments;
    std::string error;
    if (!ParseArguments(args, arguments, error)) {
        PrintMessage(err, error);
        PrintMessage(err, std::string("Try '") + kProgramName + " --help' for more information.");
        return kExitTrouble;
    }
    if (arguments.action == CliArguments::Action::Help) {
        std::fputs(UsageText(), out);
        return std::fflush(out) == 0 ? kExitAgree : kExitTrouble;
    }
    if (arguments.action == CliArguments::Action::Version) {
        std::fputs("tornwick " TORNWICK_VERSION_TEXT "\n", out);
        return std::fflush(out) == 0 ? kExitAgree : kExitTrouble;
    }
    return Compare(arguments, in, out, err);
}
