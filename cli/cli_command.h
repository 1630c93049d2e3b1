// cli_command.h - tornwick-compare's work, apart from main() so that tests
// can run it.
//
// Writes the report's rows as the engine hands them over: to `out`, each
// followed by LF, or, with -o, into the named file, each followed by CR LF as
// the window's Save writes them; the file is replaced whole or not at all
// (replacement_file.h), and never when it is one of the inputs.  A file named
// "-" is read from `in`.  Messages go to `err`, one line each, in the manner
// of diff and grep:
//     tornwick-compare: samples: Is a directory
//     tornwick-compare: ERROR: Didn't recognize VELLUM .CSV file.
// With status 2 the report's own "ERROR:" rows are repeated there.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The exit status of tornwick-compare.
constexpr int kExitAgree = 0;     // no MISMATCH line and no note besides the header lines
constexpr int kExitDisagree = 1;  // at least one MISMATCH line or problem note
constexpr int kExitTrouble = 2;   // could not run, the listing's header was not understood,
                                  // no LoTW credit could be read, or the report not written

// args are the arguments after the program name, UTF-8.
int RunCompareCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                      std::FILE* in = stdin);

// Writes "tornwick-compare: " + text + a line end to stream, the text's
// control characters escaped ("\n", "\t", "\x01").  On Windows a console
// is given the message as wide text, so that every name shows whole.
void PrintMessage(std::FILE* stream, const std::string& text);
