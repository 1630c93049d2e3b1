#include "cli_command.h"

#include <cerrno>
#include <cstring>

#include "cli_arguments.h"
#include "compare.h"

namespace {

constexpr const char* kProgram = "tornwick-compare";

class RowCollector : public ReportSink {
public:
    void Clear() override { rows.clear(); }
    void Append(std::string_view row) override { rows.emplace_back(row); }

    std::vector<std::string> rows;
};

bool WriteRows(std::FILE* file, const std::vector<std::string>& rows, const char* lineEnd)
{
    const std::size_t endLength = std::strlen(lineEnd);
    for (const std::string& row : rows) {
        if (std::fwrite(row.data(), 1, row.size(), file) != row.size() ||
            std::fwrite(lineEnd, 1, endLength, file) != endLength)
            return false;
    }
    return true;
}

// Writes the report as the window's Save does: CR LF after every row.
bool SaveRows(const std::string& path, const std::vector<std::string>& rows, std::FILE* err)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(err, "%s: could not create %s: %s\n", kProgram, path.c_str(), std::strerror(errno));
        return false;
    }
    bool written = WriteRows(file, rows, "\r\n");
    int failure = errno;
    // Buffered rows reach the disk only at the close, so its failure counts.
    if (std::fclose(file) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (!written)
        std::fprintf(err, "%s: could not write %s: %s\n", kProgram, path.c_str(), std::strerror(failure));
    return written;
}

bool PrintRows(std::FILE* out, const std::vector<std::string>& rows, std::FILE* err)
{
    if (WriteRows(out, rows, "\n") && std::fflush(out) == 0)
        return true;
    std::fprintf(err, "%s: could not write the report: %s\n", kProgram, std::strerror(errno));
    return false;
}

}  // namespace

int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err)
{
    CliArguments arguments;
    std::string error;
    if (!ParseArguments(args, arguments, error)) {
        std::fprintf(err, "%s: %s (try --help)\n", kProgram, error.c_str());
        return kExitTrouble;
    }
    if (arguments.action == CliArguments::Action::Help) {
        std::fputs(UsageText(), out);
        return std::fflush(out) == 0 ? kExitAgree : kExitTrouble;
    }
    if (arguments.action == CliArguments::Action::Version) {
        std::fputs("tornwick 4.1\n", out);
        return std::fflush(out) == 0 ? kExitAgree : kExitTrouble;
    }

    CompareOptions options;
    options.submittedAsChecked = arguments.submittedAsChecked ? 1 : 0;
    RowCollector report;
    const RunOutcome outcome = RunComparison(arguments.htmlPath, arguments.csvPath, options, report);
    if (outcome.status != RunStatus::Completed) {
        std::fprintf(err, "%s\n", outcome.message.c_str());
        return kExitTrouble;
    }

    const bool written = arguments.outputPath.empty()
                             ? PrintRows(out, report.rows, err)
                             : SaveRows(arguments.outputPath, report.rows, err);
    if (!written || !outcome.headerUnderstood)
        return kExitTrouble;
    return outcome.mismatchLines > 0 || outcome.problemNotes > 0 ? kExitDisagree : kExitAgree;
}
