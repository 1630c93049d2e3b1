#include "cli_command.h"
#include "system.h"

namespace {

struct Option {
    std::string name;
    char letter;  // of the short form; 0 for none
    bool takesValue;
};

const Option kOptions[] = {
    {"submitted-as-checked", 0, false},
    {"output", 'o', true},
    {"help", 'h', false},
    {"version", 0, false},
};

// The option "-X" or "--NAME[=VALUE]" names, by its letter, its name or the
// start of one name alone; nullptr and the error for none.
const Option* Find(const std::string& arg, std::string& error)
{
    const bool isLong = arg[1] == '-';
    const std::string name = arg.substr(2, arg.find('=') - 2);
    const Option* found = nullptr;
    std::string candidates;
    for (const Option& option : kOptions) {
        if (isLong ? option.name == name : option.letter == arg[1])
            return &option;
        if (isLong && option.name.compare(0, name.size(), name) == 0) {
            found = candidates.empty() ? &option : nullptr;
            candidates += " '--" + option.name + "'";
        }
    }
    if (!isLong)
        error = std::string("invalid option -- '") + arg[1] + "'";
    else if (!found)
        error = candidates.empty() ? "unrecognized option '" + arg + "'"
                                   : "option '--" + name + "' is ambiguous; possibilities:" + candidates;
    return found;
}

}  // namespace

bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error)
{
    parsed = CliArguments();
    const auto fail = [&error](std::string message) {
        error = std::move(message);
        return false;
    };
    std::vector<std::string> paths;
    for (auto next = args.begin(); next != args.end();) {
        const std::string& arg = *next++;
        if (kSlashQuestionAsksForHelp && arg == "/?") {
            parsed.action = CliArguments::Action::Help;
            return true;
        }
        if (arg == "--") {  // the rest are file names
            paths.insert(paths.end(), next, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            paths.push_back(arg);
            continue;
        }
        const Option* option = Find(arg, error);
        if (!option)
            return false;
        // A value stands after "=", after the letter ("-oFILE") or next.
        const bool isLong = arg[1] == '-';
        const std::size_t equals = isLong ? arg.find('=') : std::string::npos;
        if (equals != std::string::npos && !option->takesValue)
            return fail("option '--" + option->name + "' doesn't allow an argument");
        std::string value = equals != std::string::npos ? arg.substr(equals + 1) : isLong ? "" : arg.substr(2);
        if (option->takesValue && equals == std::string::npos && value.empty()) {
            if (next == args.end())
                return fail(isLong ? "option '--" + option->name + "' requires an argument"
                                   : std::string("option requires an argument -- '") + arg[1] + "'");
            value = *next++;
        }
        if (option->name == "help" || option->name == "version") {  // either ends the parsing
            parsed.action = option->name == "help" ? CliArguments::Action::Help : CliArguments::Action::Version;
            return true;
        }
        if (!option->takesValue)
            parsed.submittedAsChecked = true;
        else if (value.empty())
            return fail("the output file name is empty");
        else
            parsed.outputPath = value;
    }
    if (paths.size() != 2)
        return fail(paths.size() < 2 ? "needs LOTW_HTML and VELLUM_CSV" : "too many file names");
    if (paths[0] == kStandardInput && paths[1] == kStandardInput)
        return fail("standard input ('-') can stand for only one of the two files");
    parsed.htmlPath = paths[0];
    parsed.csvPath = paths[1];
    return true;
}
