#include "interrupt_cleanup.h"

#include <windows.h>

#include <atomic>

#include "file_open.h"

namespace {

std::wstring kept;
std::atomic<const wchar_t*> fileToRemove{nullptr};

// Runs on a thread of its own.  The file is shared for deletion, so it goes
// as soon as the program ends; the default handler, next, ends it.
BOOL WINAPI OnConsoleEvent(DWORD)
{
    if (const wchar_t* path = fileToRemove.load())
        ::DeleteFileW(path);
    return FALSE;
}

}  // namespace

InterruptCleanup::InterruptCleanup()
{
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void InterruptCleanup::Remove(const std::string& path)
{
    kept = path.empty() ? std::wstring() : WindowsFileName(path);
    fileToRemove = kept.empty() ? nullptr : kept.c_str();
}

InterruptCleanup::~InterruptCleanup()
{
    fileToRemove = nullptr;
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}
