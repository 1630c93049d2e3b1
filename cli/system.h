// system.h - what tornwick-compare asks of the system, in a file of its own
// per system (system_posix.cpp, system_win.cpp).  Names are UTF-8.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Whether "/?" asks for the help, as it does on Windows.
extern const bool kSlashQuestionAsksForHelp;

// Writes text to stream; false when it could not.  A Windows console takes
// it as wide text read from UTF-8 (a message) or, for report rows, the ANSI
// code page: rows are the files' own bytes, which the console would read in
// its OEM code page ("\xC5land" as "\u253Cland").  Everything else, and
// every stream elsewhere, takes the bytes as they are.
enum class TextKind { Message, Rows };
bool WriteText(std::FILE* stream, std::string_view text, TextKind kind);

// What the name leads to, asked without opening it (a pipe's name could
// block).
enum class FileKind { Missing, Folder, Regular, Other };
FileKind KindOf(const std::string& path);

// A file itself, whatever name leads to it ("r.csv", "./r.csv", a hard link,
// "\\?\C:\x\r.csv").  None for a name that leads nowhere, and for a stream
// that reads no file on the disk (a pipe, a terminal).  Not asked of
// std::filesystem::equivalent: libstdc++'s says no for a FIFO or device named
// twice (and -o onto a FIFO read as an input would wait for ever), and
// mingw's asks _wstat64, which refuses the "\\?\" form.
using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;
std::optional<FileIdentity> IdentityOf(const std::string& path);
std::optional<FileIdentity> IdentityOf(std::FILE* stream);

// While it lives, an interrupt (Ctrl+C, SIGTERM, SIGHUP, a closed console)
// removes the file and then ends the program as it would have anyway: an
// interrupted -o leaves no temporary file.  Only a kill that cannot be
// caught (SIGKILL, the Task Manager) may leave one.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::string& path);  // "" for none
    ~RemovedOnInterrupt();

    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;
};
