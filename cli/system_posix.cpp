// What tornwick-compare asks of a POSIX system.
#include <atomic>
#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

#include "system.h"

const bool kSlashQuestionAsksForHelp = false;

bool WriteText(std::FILE* stream, std::string_view text, TextKind)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

FileKind KindOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return FileKind::Missing;
    return S_ISDIR(status.st_mode) ? FileKind::Folder : S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
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

namespace {

std::string kept;
std::atomic<const char*> fileToRemove{nullptr};

void OnInterrupt(int signal)
{
    if (const char* path = fileToRemove.load())
        ::unlink(path);
    // Raised again, blocked until the handler returns, it then ends the program.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

RemovedOnInterrupt::RemovedOnInterrupt(const std::string& path)
{
    kept = path;
    fileToRemove = kept.empty() ? nullptr : kept.c_str();
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        if (std::signal(signal, OnInterrupt) == SIG_IGN)
            std::signal(signal, SIG_IGN);  // ignored from the start (nohup): it stays ignored
}

RemovedOnInterrupt::~RemovedOnInterrupt()
{
    fileToRemove = nullptr;
}
