// replacement_file.h - writes a report file whole or not at all: the bytes go
// to a temporary file beside the target, which Commit() flushes to the disk
// and only then renames over the target, in one atomic step.  Until then, and
// after any failure, the target is as it was and the temporary file removed.
// Of two writers at once, the last to commit wins.
//
//     ReplacementFile file(path);            // path: UTF-8
//     bool ok = file.Write(row) && file.Write("\r\n") ... && file.Commit();
//     if (!ok) tell(path, file.Error());     // "No space left on device"
//
// The new file keeps the replaced one's permissions (on Windows its attributes
// and security); a target another program holds is tried again for about two
// seconds; on POSIX a symbolic link stays a link; a device or pipe (/dev/null,
// NUL) is written to directly, and a name of an open stream of this process
// (/dev/stdout, /dev/fd/3) through that stream.  A file made read-only (mode
// 444 for its owner, the read-only attribute on Windows) is not replaced.
#pragma once

#include <string>
#include <string_view>

#include "stdio_file.h"

class ReplacementFile {
public:
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();

    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool Write(std::string_view bytes);  // false once anything has failed
    bool Commit();                       // to the disk, then over the target

    // Why the first failure happened, in the system's words; empty if none.
    const std::string& Error() const { return error_; }
    // The new file's name until it is moved over the target or removed.
    const std::string& TemporaryName() const { return temporary_; }

private:
    // Each system's own, in system_posix.cpp and system_win.cpp:
    static const char* const kSeparators;         // of the folders in a name
    bool ResolveTarget();                         // sets direct_, and target_ past links or file_
    StdioFile CreateExclusive(std::string name);  // sets temporary_; null when taken
    bool Sync();                                  // before the close
    bool MoveOverTarget();                        // after the close
    void RemoveTemporary() const;

    std::string TemporaryNameFor() const;
    bool Fail(std::string reason);  // false

    std::string target_;
    std::string temporary_;  // empty once moved or never made
    StdioFile file_;
    std::string error_;
    bool direct_ = false;  // a device or pipe, written to as it is
};
