// What the common layer asks of a POSIX system: opening a file by its name,
// and making, flushing and renaming the replacement of a report file.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_open.h"
#include "replacement_file.h"

StdioFile OpenFile(const std::string& path, const char* mode)
{
    return StdioFile(std::fopen(path.c_str(), mode));
}

const char* const ReplacementFile::kSeparators = "/";

bool ReplacementFile::IsDeviceOrPipe() const
{
    struct stat status {};
    return ::stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

// A symbolic link stays a link: the report replaces the file it leads to, or
// creates it, as a shell's ">" does, when the link leads nowhere yet.  A loop
// fails after as many links as Linux follows.
bool ReplacementFile::FollowLinks()
{
    namespace fs = std::filesystem;
    fs::path path = target_;
    std::error_code error;
    for (int links = 0; fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        if (links == 40)
            return Fail(std::strerror(ELOOP));
        path = path.parent_path() / fs::read_symlink(path, error);
    }
    target_ = path.string();
    return true;
}

// The new file has the replaced one's permissions from the start, so that a
// private report is never readable by others; a new report is an ordinary
// file, to which the umask applies.
StdioFile ReplacementFile::CreateExclusive(const std::string& name)
{
    struct stat status {};
    const mode_t mode = ::stat(target_.c_str(), &status) == 0 ? status.st_mode & 0777 : 0666;
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor == -1) {
        if (errno != EEXIST)
            Fail(std::strerror(errno));
        return StdioFile();
    }
    StdioFile stream(::fdopen(descriptor, "wb"));
    if (!stream) {
        Fail(std::strerror(errno));
        ::close(descriptor);
        ::unlink(name.c_str());
    }
    return stream;
}

// The umask may have taken some of the replaced file's permissions away.
bool ReplacementFile::Sync()
{
    struct stat status {};
    const int descriptor = ::fileno(file_.get());
    if ((::stat(target_.c_str(), &status) == 0 && ::fchmod(descriptor, status.st_mode & 0777) != 0) ||
        ::fsync(descriptor) != 0)
        return Fail(std::strerror(errno));
    return true;
}

// A rename is durable once the folder that holds the name is on the disk.
// The report is whole either way (the old one or the new), so a folder that
// cannot be synced (some file systems refuse) is no failure.
bool ReplacementFile::MoveOverTarget()
{
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail(std::strerror(errno));
    const std::string::size_type slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target_.substr(0, slash);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
