// cli_command.h - tornwick-compare's work, apart from main() so that tests can
// run it.  Its usage is kUsage in cli_command.cpp.
//
// Rows go to `out`, each ended by LF, or with -o into the file, ended by CR LF
// as Save writes them: replaced whole or not at all, and never over an input.
// Messages go to `err`, one line each ("tornwick-compare: x: Is a directory");
// the report's own "ERROR:" rows are repeated there, whatever the status.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr int kExitAgree = 0;     // no MISMATCH line and no note besides the header lines
constexpr int kExitDisagree = 1;  // at least one MISMATCH line or problem note
constexpr int kExitTrouble = 2;   // not run, the header not understood, no LoTW credit read, or no report written

inline constexpr char kStandardInput[] = "-";  // as a file name

struct CliArguments {
    enum class Action { Compare, Help, Version };

    Action action = Action::Compare;
    bool submittedAsChecked = false;
    std::string htmlPath;    // UTF-8, or kStandardInput
    std::string csvPath;
    std::string outputPath;  // empty: the report goes to standard output
};

// Parses the arguments after the program name as getopt_long would on every
// system: options among the names, "--" ending them, "-oFILE", "--output=FILE",
// "-ho", a prefix naming one long option alone ("--sub"); and on Windows "/?".
// Stops at --help or --version.  "-" may stand for one of the files only.
// On failure sets error in getopt's words ("unrecognized option '--frob'").
bool ParseArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error);

// args are the arguments after the program name, UTF-8.
int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                      std::FILE* in = stdin);

// Writes "tornwick-compare: " + text + a line end, control characters escaped
// ("\n", "\x01"); a Windows console is given it as wide text.
void PrintMessage(std::FILE* stream, const std::string& text);
