// What tornwick-compare asks of Windows.
#include <windows.h>

#include <atomic>

#include <io.h>

#include "stdio_file.h"
#include "system.h"
#include "text_encoding.h"

const bool kSlashQuestionAsksForHelp = true;

bool WriteText(std::FILE* stream, std::string_view text, TextKind kind)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    if (text.empty() || !::GetConsoleMode(handle, &mode))
        return WriteAll(stream, text);
    std::wstring wide;
    WideFromCodePage(text, kind == TextKind::Message ? CP_UTF8 : CP_ACP, wide);
    std::fflush(stream);
    DWORD written = 0;
    return ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
}

// Not _wstat64, which refuses names holding "?", as the "\\?\" form does.
FileKind KindOf(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WindowsFileName(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FileKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::Regular;
}

// Nothing to do: the C runtime keeps the numbers of the standard streams for
// them, with a handle or without (then reading one fails), and never gives
// one to a file the program opens.
void KeepStandardStreamsApart() {}

namespace {

std::wstring kept;
std::atomic<const wchar_t*> fileToRemove{nullptr};

// On a thread of its own.  The file, shared for deletion, goes once the
// program ends, which the default handler, next, does.
BOOL WINAPI OnConsoleEvent(DWORD)
{
    if (const wchar_t* path = fileToRemove.load())
        ::DeleteFileW(path);
    return FALSE;
}

}  // namespace

RemovedOnInterrupt::RemovedOnInterrupt(const std::string& path)
{
    kept = path.empty() ? std::wstring() : WindowsFileName(path);
    fileToRemove = kept.empty() ? nullptr : kept.c_str();
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

RemovedOnInterrupt::~RemovedOnInterrupt()
{
    fileToRemove = nullptr;
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}
