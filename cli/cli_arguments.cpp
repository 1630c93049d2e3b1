#include "cli_arguments.h"

namespace {

const std::string kOutputPrefix = "--output=";

}  // namespace

const char* UsageText()
{
    return "Usage: tornwick-compare [OPTION]... LOTW_HTML VELLUM_CSV\n"
           "Compares a saved LoTW Award Credit Matrix page with a VELLUM DXCC listing\n"
           "and prints every disagreement, then the matches and mismatches per column.\n"
           "\n"
           "  --submitted-as-checked  count VELLUM \"S\" (submitted) cells as checked\n"
           "  -o, --output FILE       write the report to FILE (CR LF line ends)\n"
           "  --help                  print this help and exit\n"
           "  --version               print the version and exit\n"
           "\n"
           "Exit status: 0 when logbook and LoTW agree, 1 when the report lists\n"
           "disagreements or problems, 2 when the comparison could not be run or the\n"
           "listing's header was not understood.\n";
}

bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error)
{
    parsed = CliArguments();
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.action = CliArguments::Action::Help;
            return true;
        } else if (arg == "--version") {
            parsed.action = CliArguments::Action::Version;
            return true;
        } else if (arg == "--submitted-as-checked") {
            parsed.submittedAsChecked = true;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 == args.size()) {
                error = arg + " needs a file name";
                return false;
            }
            parsed.outputPath = args[++i];
            if (parsed.outputPath.empty()) {
                error = "the output file name is empty";
                return false;
            }
        } else if (arg.compare(0, kOutputPrefix.size(), kOutputPrefix) == 0) {
            parsed.outputPath = arg.substr(kOutputPrefix.size());
            if (parsed.outputPath.empty()) {
                error = "the output file name is empty";
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (paths.size() != 2) {
        error = paths.size() < 2 ? "needs LOTW_HTML and VELLUM_CSV" : "too many file names";
        return false;
    }
    parsed.htmlPath = paths[0];
    parsed.csvPath = paths[1];
    return true;
}
