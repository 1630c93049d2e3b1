// What the common layer asks of a POSIX system.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_identity.h"
#include "replacement_file.h"

StdioFile OpenFile(const std::string& path, const char* mode)
{
    return StdioFile(std::fopen(path.c_str(), mode));
}

bool WriteAll(std::FILE* file, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool FlushAll(std::FILE* file)
{
    return std::fflush(file) == 0;
}

const char* const ReplacementFile::kSeparators = "/";

namespace {

namespace fs = std::filesystem;

// The descriptor of this process that the name stands for (/dev/stdout,
// /dev/fd/3, /proc/self/fd/3: a number in this process's folder of open
// descriptors), or -1.
int DescriptorNamed(const fs::path& path)
{
    const std::string number = path.filename().string();
    if (number.empty() || number.size() > 9 || number.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    std::error_code error;
    const fs::path folder = fs::canonical(path.parent_path().empty() ? "." : path.parent_path(), error);
    if (error)
        return -1;
    for (const char* descriptors : {"/proc/self/fd", "/proc/thread-self/fd"}) {
        if (folder == fs::canonical(descriptors, error) && !error)
            return std::stoi(number);
    }
    return -1;
}

}  // namespace

// A name that stands for an open stream of this process is written to
// through that stream, at its place (a ">>" appends, what the shell wrote
// before stays); a device or pipe is opened by its name as it stands
// (/dev/stdout's links may lead to no name); any other link is followed, as a
// shell's ">" does, to the file it leads to, there or not yet; a loop fails
// after Linux's 40 links.  A file its owner made read-only is refused, as ">"
// refuses it.
bool ReplacementFile::ResolveTarget()
{
    fs::path path = target_;
    std::error_code error;
    for (int links = 0;; ++links) {
        if (const int descriptor = DescriptorNamed(path); descriptor >= 0) {
            direct_ = true;
            const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
            file_ = StdioFile(copy == -1 ? nullptr : ::fdopen(copy, "wb"));
            if (!file_ && copy != -1)
                ::close(copy);
            return file_ || Fail(std::strerror(errno));
        }
        if (links == 0) {
            struct stat status {};
            direct_ = ::stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
            if (direct_)
                return true;
        }
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            break;
        if (links == 40)
            return Fail(std::strerror(ELOOP));
        path = path.parent_path() / fs::read_symlink(path, error);
    }
    target_ = path.string();
    if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return Fail(std::strerror(EACCES));
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

// One device and inode: one file.
std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> IdentityOf(std::FILE* stream)
{
    struct stat status {};
    if (::fstat(::fileno(stream), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}
