// What the common layer asks of a POSIX system.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "replacement_file.h"

StdioFile OpenFile(const std::string& path, const char* mode)
{
    return StdioFile(std::fopen(path.c_str(), mode));
}

const char* const ReplacementFile::kSeparators = "/";

// A device or pipe is opened by its name as it stands (/dev/stdout's links may
// lead to no name); any other link is followed, as a shell's ">" does, to the
// file it leads to, there or not yet; a loop fails after Linux's 40 links.
bool ReplacementFile::ResolveTarget()
{
    struct stat status {};
    direct_ = ::stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
    namespace fs = std::filesystem;
    fs::path path = target_;
    std::error_code error;
    for (int links = 0; !direct_ && fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        if (links == 40)
            return Fail(std::strerror(ELOOP));
        path = path.parent_path() / fs::read_symlink(path, error);
    }
    target_ = path.string();
    return true;
}

// The replaced file's permissions from the start: a private report is never
// readable by others.  The umask applies to a new report only.
StdioFile ReplacementFile::CreateExclusive(std::string name)
{
    struct stat target {};
    const bool replacing = ::stat(target_.c_str(), &target) == 0;
    const mode_t mode = replacing ? target.st_mode & 0777 : 0666;
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor == -1) {
        if (errno != EEXIST)
            Fail(std::strerror(errno));
        return StdioFile();
    }
    temporary_ = std::move(name);
    StdioFile stream(replacing && ::fchmod(descriptor, mode) != 0 ? nullptr : ::fdopen(descriptor, "wb"));
    if (!stream) {
        Fail(std::strerror(errno));
        ::close(descriptor);
    }
    return stream;
}

bool ReplacementFile::Sync()
{
    return ::fsync(::fileno(file_.get())) == 0 || Fail(std::strerror(errno));
}

// The rename is durable once the folder is synced; a folder that cannot be
// (some file systems refuse) is no failure, as the report is whole either way.
bool ReplacementFile::MoveOverTarget()
{
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail(std::strerror(errno));
    const std::string folder = std::filesystem::path(target_).parent_path();
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor != -1) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
    return true;
}

void ReplacementFile::RemoveTemporary() const
{
    ::unlink(temporary_.c_str());
}
