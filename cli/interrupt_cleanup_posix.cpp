#include "interrupt_cleanup.h"

#include <atomic>

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction saved[3];
std::string kept;
std::atomic<const char*> fileToRemove{nullptr};

void OnInterrupt(int signal)
{
    if (const char* path = fileToRemove.load())
        ::unlink(path);
    // The handler was reset to the default: once this one returns, the
    // signal ends the program as it would have without it.
    ::raise(signal);
}

void Hold(int how)
{
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (int signal : kInterrupts)
        sigaddset(&interrupts, signal);
    ::pthread_sigmask(how, &interrupts, nullptr);
}

}  // namespace

InterruptCleanup::InterruptCleanup()
{
    Hold(SIG_BLOCK);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) {
        // A signal ignored from the start (nohup) stays ignored.
        if (::sigaction(kInterrupts[i], nullptr, &saved[i]) == 0 && saved[i].sa_handler != SIG_IGN)
            ::sigaction(kInterrupts[i], &action, nullptr);
    }
}

void InterruptCleanup::Remove(const std::string& path)
{
    kept = path;
    fileToRemove = kept.empty() ? nullptr : kept.c_str();
    Hold(SIG_UNBLOCK);
}

InterruptCleanup::~InterruptCleanup()
{
    fileToRemove = nullptr;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kInterrupts[i], &saved[i], nullptr);
    Hold(SIG_UNBLOCK);
}
