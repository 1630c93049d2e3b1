// replacement_file.h - writes a report file whole or not at all.
//
// The bytes go to a new temporary file in the target's folder.  Commit()
// flushes it to the disk and only then renames it over the target, in one
// step the file system makes atomic; until then, and after any failure, the
// target is exactly as it was and the temporary file is removed.  Two writers
// of the same target at once leave one whole report, the last one committed.
//
//     ReplacementFile file(path);            // path: UTF-8
//     bool ok = file.Write(row) && file.Write("\r\n") ... && file.Commit();
//     if (!ok) tell(path, file.Error());     // "No space left on device"
//
// The new file keeps the replaced one's permissions (on Windows its
// attributes and security); a target another program holds is tried again
// for about two seconds.  On POSIX a symbolic link stays a link: the file it
// leads to is replaced, or created when there is none yet.  A device or a
// pipe (/dev/null, NUL) is written to directly: there is no file to keep, nor
// to rename over.  Long names work on Windows as well.
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

    // Appends bytes to the new file; false once anything has failed.
    bool Write(std::string_view bytes);

    // Flushes the new file to the disk and moves it over the target.
    bool Commit();

    // Why the first failure happened, as the system words it; empty when
    // nothing has failed.
    const std::string& Error() const { return error_; }

    // The new file's name until it is moved over the target or removed.
    const std::string& TemporaryName() const { return temporary_; }

private:
    // Each system's own, in system_posix.cpp and system_win.cpp:
    static const char* const kSeparators;         // of the folders in a name
    bool ResolveTarget();                         // sets direct_, and target_ past links
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
