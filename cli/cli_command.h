// cli_command.h - tornwick-compare's work, apart from main() so that tests
// can run it.
//
// Runs one comparison and writes the rows the window's result list would
// show, in order: to `out` each followed by LF, or, with -o, to the named
// file each followed by CR LF (as the window's Save writes them).  Messages
// go to `err`, one line each.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

enum CliExitStatus {
    kExitAgree = 0,       // no MISMATCH line and no note besides the header lines
    kExitDisagree = 1,    // at least one MISMATCH line or problem note
    kExitTrouble = 2,     // could not run, or the listing's header was not understood
};

// args are the arguments after the program name.
int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
