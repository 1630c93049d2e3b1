// What tornwick-compare asks of a POSIX system.
#include <atomic>

#include <signal.h>
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

// One device and inode: one file.  (std::filesystem::equivalent says no for
// a FIFO or device named twice, and -o onto a FIFO read as an input would
// wait for ever.)
bool SameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool StreamReadsFile(std::FILE* stream, const std::string& path)
{
    struct stat a {};
    struct stat b {};
    return ::fstat(::fileno(stream), &a) == 0 && S_ISREG(a.st_mode) && ::stat(path.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

namespace {

std::string kept;
std::atomic<const char*> fileToRemove{nullptr};

void OnInterrupt(int signal)
{
    if (const char* path = fileToRemove.load())
        ::unlink(path);
    // Reset to the default on entry: the signal, raised again, ends the
    // program once this handler returns.
    ::raise(signal);
}

}  // namespace

RemovedOnInterrupt::RemovedOnInterrupt(const std::string& path)
{
    kept = path;
    fileToRemove = kept.empty() ? nullptr : kept.c_str();
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal ignored from the start (nohup) stays ignored.
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

RemovedOnInterrupt::~RemovedOnInterrupt()
{
    fileToRemove = nullptr;
}
