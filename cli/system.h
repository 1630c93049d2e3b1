// system.h - what tornwick-compare asks of the system, in a file of its own
// per system (system_posix.cpp, system_win.cpp).  Names are UTF-8.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

extern const bool kSlashQuestionAsksForHelp;  // as it does on Windows

// Writes text; false when it could not.  A Windows console is given wide text
// read from UTF-8 (a message) or from the ANSI code page (rows, the files' own
// bytes, which it would read in its OEM code page).  Elsewhere the bytes go.
enum class TextKind { Message, Rows };
bool WriteText(std::FILE* stream, std::string_view text, TextKind kind);

// What the name leads to, asked without opening it (a pipe's name could block).
enum class FileKind { Missing, Folder, Regular, Other };
FileKind KindOf(const std::string& path);

// Called first: a standard stream (0, 1, 2) that was closed is held by a
// stand-in that fails every read or write with "Bad file descriptor", so
// that no file the program opens takes its number and is read or written
// as that stream.
void KeepStandardStreamsApart();

// While it lives, a signal that would end the program (Ctrl+C, Ctrl+\,
// SIGTERM, SIGHUP, SIGPIPE, SIGUSR1, any but SIGKILL) or a closed console
// removes the file, then ends the program as it would have anyway.  A
// file-size limit (ulimit -f) fails the write that passes it, as a full disk
// does, instead of ending the program.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::string& path);  // "" for none
    ~RemovedOnInterrupt();

    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;
};
