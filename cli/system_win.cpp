// What tornwick-compare asks of Windows.
#include <windows.h>

#include <atomic>
#include <cstring>

#include <io.h>

#include "system.h"
#include "text_encoding.h"

const bool kSlashQuestionAsksForHelp = true;

bool WriteText(std::FILE* stream, std::string_view text, TextKind kind)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    if (text.empty() || !::GetConsoleMode(handle, &mode))
        return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
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

namespace {

std::uint64_t Number(DWORD high, DWORD low)
{
    return std::uint64_t{high} << 32 | low;
}

// A file on the disk: its index, and its last write time to tell apart files of
// one index on two volumes.  Under Wine a standard input that a Linux shell
// redirected tells no volume (GetFileInformationByHandle fails), but these.
std::optional<FileIdentity> IdentityOf(HANDLE handle)
{
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(handle, &info))
        return FileIdentity{Number(info.nFileIndexHigh, info.nFileIndexLow),
                            Number(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
    FILE_ID_INFO id{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic))
        return std::nullopt;
    std::uint64_t index = 0;  // the low half of the 128-bit id, as above
    std::memcpy(&index, id.FileId.Identifier, sizeof index);
    return FileIdentity{index, static_cast<std::uint64_t>(basic.LastWriteTime.QuadPart)};
}

}  // namespace

// Opened for no access, so that a file another program holds is still seen.
std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    HANDLE handle = ::CreateFileW(WindowsFileName(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileIdentity> identity = IdentityOf(handle);
    ::CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> IdentityOf(std::FILE* stream)
{
    return IdentityOf(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream))));
}

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
