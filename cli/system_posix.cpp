// What tornwick-compare asks of a POSIX system.
#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "stdio_file.h"
#include "system.h"

const bool kSlashQuestionAsksForHelp = false;

bool WriteText(std::FILE* stream, std::string_view text, TextKind)
{
    return WriteAll(stream, text);
}

FileKind KindOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return FileKind::Missing;
    return S_ISDIR(status.st_mode) ? FileKind::Folder : S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

// /dev/null opened the other way round: reading one opened for writing, or
// writing one opened for reading, fails with EBADF, as the closed stream would.
void KeepStandardStreamsApart()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);  // the lowest free number
    }
}

namespace {

// Every signal whose default ends the program and that can be caught; the
// real-time ones besides (SIGRTMIN to SIGRTMAX).
const int kEndingSignals[] = {
    SIGHUP,  SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT,   SIGBUS,  SIGFPE, SIGUSR1, SIGSEGV, SIGUSR2,
    SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};

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
    const auto handle = [](int signal) {
        if (std::signal(signal, OnInterrupt) == SIG_IGN)
            std::signal(signal, SIG_IGN);  // ignored from the start (nohup): it stays ignored
    };
    for (int signal : kEndingSignals)
        handle(signal);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        handle(signal);
    // The write beyond the limit then fails with EFBIG ("File too large").
    std::signal(SIGXFSZ, SIG_IGN);
}

RemovedOnInterrupt::~RemovedOnInterrupt()
{
    fileToRemove = nullptr;
}
