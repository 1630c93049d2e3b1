// cli_arguments.h - the command line of tornwick-compare.
//
//     tornwick-compare [--submitted-as-checked] [-o FILE] LOTW_HTML VELLUM_CSV
//     tornwick-compare --help | --version
//
// The rules are those of getopt_long, the same on every system:
//   - options may stand anywhere among the file names; "--" ends them;
//   - "-o FILE", "-oFILE", "--output FILE" and "--output=FILE" name the
//     report file; short options may be grouped ("-ho");
//   - a long option may be shortened to any prefix that names it alone
//     ("--sub", "--out=r.txt", "--he", "--ver"); an exact name always wins;
//   - "-" as a file name is standard input, for one of the two files at most.
// On Windows "/?" asks for the help as well.
#pragma once

#include <string>
#include <vector>

// The file name that stands for standard input.
inline constexpr char kStandardInput[] = "-";

struct CliArguments {
    enum class Action { Compare, Help, Version };

    Action action = Action::Compare;
    bool submittedAsChecked = false;
    std::string htmlPath;    // UTF-8, or kStandardInput
    std::string csvPath;     // UTF-8, or kStandardInput
    std::string outputPath;  // empty: the report goes to standard output
};

// Parses the arguments after the program name.  Stops at the first --help or
// --version.  On failure returns false and sets error to a one-line
// description in getopt's words ("unrecognized option '--frob'").
bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error);
