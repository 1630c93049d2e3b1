// cli_arguments.h - the command line of tornwick-compare.
//
//     tornwick-compare [--submitted-as-checked] [-o FILE] LOTW_HTML VELLUM_CSV
//     tornwick-compare --help | --version
//
// Options may stand anywhere; "--" ends them.  "-o FILE", "--output FILE" and
// "--output=FILE" all name the report file.
#pragma once

#include <string>
#include <vector>

struct CliArguments {
    enum class Action { Compare, Help, Version };

    Action action = Action::Compare;
    bool submittedAsChecked = false;
    std::string htmlPath;
    std::string csvPath;
    std::string outputPath;  // empty: the report goes to standard output
};

// Parses the arguments after the program name.  On failure returns false and
// sets error to a one-line description.
bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error);

// The text --help prints.
const char* UsageText();
