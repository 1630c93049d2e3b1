// linux_command.h - runs a Linux command from a test running under Wine.
//
// The print tests read what the spooler made with the Linux tools pdfinfo and
// pdftotext.  Wine starts a Linux program when asked to, but neither waits
// for it nor passes its output or exit status back, so the command runs in
// /bin/sh with its output and status written to files that are read here.
#pragma once

#include <optional>
#include <string>

struct CommandResult {
    int status = -1;     // the shell's exit status
    std::string output;  // standard output and standard error together
};

// True when this process runs under Wine (where the helpers below work).
bool RunningUnderWine();

// Runs `command` with /bin/sh -c and waits up to timeoutMs for it to end.
// std::nullopt when it could not be started or did not end in time.
std::optional<CommandResult> RunLinuxCommand(const std::string& command, int timeoutMs = 60000);

// The Windows path of a Linux path ("/tmp/x" -> "Z:\tmp\x"); empty when
// Wine cannot map it.
std::string WindowsPathOf(const std::string& linuxPath);

// Quotes a text for /bin/sh: 'text', with any ' inside escaped.
std::string ShellQuote(const std::string& text);
