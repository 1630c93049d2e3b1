// system.h - what tornwick-compare asks of the system, in a file of its own
// per system (system_posix.cpp, system_win.cpp).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Whether "/?" asks for the help, as it does on Windows.
extern const bool kSlashQuestionAsksForHelp;

// Writes text to stream; false when it could not.  A Windows console takes
// it as wide text read from UTF-8 (a message) or, for report rows, the ANSI
// code page: rows are the files' own bytes, which the console would read in
// its OEM code page ("\xC5land" as "\u253Cland").  Everything else, and
// every stream elsewhere, takes the bytes as they are.
enum class TextKind { Message, Rows };
bool WriteText(std::FILE* stream, std::string_view text, TextKind kind);

enum class FileKind { Missing, Folder, Regular, Other };

// What the name (UTF-8) leads to, asked without opening it (a pipe's name
// could block).
FileKind KindOf(const std::string& path);

// True when both names (UTF-8) lead to one existing file, by any spelling:
// "r.csv", "./r.csv", "../x/r.csv", a hard link, "\\?\C:\x\r.csv".
bool SameFile(const std::string& first, const std::string& second);

// True when the stream reads a file (not a pipe or a device) that the name
// leads to: standard input redirected from it.
bool StreamReadsFile(std::FILE* stream, const std::string& path);

// While it lives, an interrupt (Ctrl+C, SIGTERM, SIGHUP, a closed console)
// removes the file (UTF-8) and then ends the program as it would have anyway:
// an interrupted -o leaves no temporary file.  Only a kill that cannot be
// caught (SIGKILL, the Task Manager) may leave one.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::string& path);  // "" for none
    ~RemovedOnInterrupt();

    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;
};
