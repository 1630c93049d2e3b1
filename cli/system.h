// system.h - what tornwick-compare asks of the system, in a file of its own
// per system (system_posix.cpp, system_win.cpp).  Names are UTF-8.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

extern const bool kSlashQuestionAsksForHelp;  // as it does on Windows

// Writes text; false when it could not.  A Windows console is given wide text
// read from UTF-8 (a message) or from the ANSI code page (rows, the files' own
// bytes, which it would read in its OEM code page).  Elsewhere the bytes go.
enum class TextKind { Message, Rows };
bool WriteText(std::FILE* stream, std::string_view text, TextKind kind);

// What the name leads to, asked without opening it (a pipe's name could block).
enum class FileKind { Missing, Folder, Regular, Other };
FileKind KindOf(const std::string& path);

// The file itself, whatever name leads to it; none for a name that leads
// nowhere, or a stream on no file on the disk.  Not std::filesystem::equivalent:
// libstdc++'s says no for a FIFO named twice, mingw's refuses "\\?\" names.
using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;
std::optional<FileIdentity> IdentityOf(const std::string& path);
std::optional<FileIdentity> IdentityOf(std::FILE* stream);

// While it lives, an interrupt (Ctrl+C, SIGTERM, SIGHUP, a closed console)
// removes the file, then ends the program as it would have anyway.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::string& path);  // "" for none
    ~RemovedOnInterrupt();

    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;
};
