#include "cli_arguments.h"

#include <cstring>

#include "system.h"

const char* const kStandardInput = "-";

namespace {

enum class OptionId { SubmittedAsChecked, Output, Help, Version };

struct LongOption {
    const char* name;
    bool takesValue;
    OptionId id;
};

constexpr LongOption kLongOptions[] = {
    {"submitted-as-checked", false, OptionId::SubmittedAsChecked},
    {"output", true, OptionId::Output},
    {"help", false, OptionId::Help},
    {"version", false, OptionId::Version},
};

// Walks the arguments once, left to right, as getopt_long does.
class Parser {
public:
    Parser(const std::vector<std::string>& args, CliArguments& parsed, std::string& error)
        : args_(args), parsed_(parsed), error_(error)
    {
    }

    bool Run();

private:
    // Each returns false on an error; done_ is set by --help and --version.
    bool LongArgument(const std::string& arg);
    bool ShortArguments(const std::string& arg);
    bool Apply(OptionId id, const std::string& value);
    bool NextValue(std::string& value);
    bool Fail(std::string message)
    {
        error_ = std::move(message);
        return false;
    }

    const std::vector<std::string>& args_;
    CliArguments& parsed_;
    std::string& error_;
    std::size_t next_ = 0;
    bool done_ = false;
};

bool Parser::Run()
{
    std::vector<std::string> paths;
    bool optionsEnded = false;
    while (next_ < args_.size() && !done_) {
        const std::string& arg = args_[next_++];
        bool ok = true;
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (!optionsEnded && kSlashQuestionAsksForHelp && arg == "/?") {
                parsed_.action = CliArguments::Action::Help;
                return true;
            }
            paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg[1] == '-') {
            ok = LongArgument(arg);
        } else {
            ok = ShortArguments(arg);
        }
        if (!ok)
            return false;
    }
    if (done_)
        return true;
    if (paths.size() != 2)
        return Fail(paths.size() < 2 ? "needs LOTW_HTML and VELLUM_CSV" : "too many file names");
    if (paths[0] == kStandardInput && paths[1] == kStandardInput)
        return Fail("standard input ('-') can stand for only one of the two files");
    parsed_.htmlPath = paths[0];
    parsed_.csvPath = paths[1];
    return true;
}

bool Parser::LongArgument(const std::string& arg)
{
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const LongOption* found = nullptr;
    std::string candidates;
    int matches = 0;
    for (const LongOption& option : kLongOptions) {
        if (name == option.name) {
            found = &option;
            matches = 1;
            break;
        }
        if (std::strncmp(option.name, name.c_str(), name.size()) == 0) {
            found = &option;
            ++matches;
            candidates += std::string(" '--") + option.name + "'";
        }
    }
    const std::string shown = "--" + name;
    if (matches == 0)
        return Fail("unrecognized option '" + arg + "'");
    if (matches > 1)
        return Fail("option '" + shown + "' is ambiguous; possibilities:" + candidates);

    std::string value;
    if (equals != std::string::npos) {
        if (!found->takesValue)
            return Fail(std::string("option '--") + found->name + "' doesn't allow an argument");
        value = arg.substr(equals + 1);
    } else if (found->takesValue && !NextValue(value)) {
        return Fail(std::string("option '--") + found->name + "' requires an argument");
    }
    return Apply(found->id, value);
}

bool Parser::ShortArguments(const std::string& arg)
{
    for (std::size_t i = 1; i < arg.size() && !done_; ++i) {
        switch (arg[i]) {
        case 'h':
            return Apply(OptionId::Help, {});
        case 'o': {
            std::string value = arg.substr(i + 1);
            if (value.empty() && !NextValue(value))
                return Fail("option requires an argument -- 'o'");
            return Apply(OptionId::Output, value);
        }
        default:
            return Fail(std::string("invalid option -- '") + arg[i] + "'");
        }
    }
    return true;
}

// The value of an option given as the next argument, whatever it looks like.
bool Parser::NextValue(std::string& value)
{
    if (next_ == args_.size())
        return false;
    value = args_[next_++];
    return true;
}

bool Parser::Apply(OptionId id, const std::string& value)
{
    switch (id) {
    case OptionId::SubmittedAsChecked:
        parsed_.submittedAsChecked = true;
        break;
    case OptionId::Output:
        if (value.empty())
            return Fail("the output file name is empty");
        parsed_.outputPath = value;
        break;
    case OptionId::Help:
        parsed_.action = CliArguments::Action::Help;
        done_ = true;
        break;
    case OptionId::Version:
        parsed_.action = CliArguments::Action::Version;
        done_ = true;
        break;
    }
    return true;
}

}  // namespace

const char* UsageText()
{
    return "Usage: tornwick-compare [OPTION]... LOTW_HTML VELLUM_CSV\n"
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
}

bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error)
{
    parsed = CliArguments();
    return Parser(args, parsed, error).Run();
}
