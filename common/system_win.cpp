// What the common layer asks of Windows.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <io.h>

#include "file_identity.h"
#include "replacement_file.h"
#include "text_encoding.h"

namespace {

// Windows' own words for an error, without their full stop and line end.
std::string SystemErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    ::LocalFree(text);
    message.erase(message.find_last_not_of(L"\r\n .") + 1);  // npos + 1 is 0
    return message.empty() ? "error " + std::to_string(code) : Utf8FromWide(message);
}

// ReplaceFileW keeps the old file's attributes and security; a new file, or
// one it cannot replace, is moved.  The target is first tried for deletion:
// held open by another program, Wine's ReplaceFileW would leave a file behind.
bool Replace(const std::wstring& from, const std::wstring& to)
{
    HANDLE target = ::CreateFileW(to.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    const bool replaceable = target != INVALID_HANDLE_VALUE;
    if (replaceable)
        ::CloseHandle(target);
    return (replaceable &&
            ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
           ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

void WideFromCodePage(std::string_view bytes, unsigned codePage, std::wstring& wide)
{
    wide.clear();
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return;
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return;
    wide.resize(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
}

std::wstring WideFromUtf8(std::string_view utf8)
{
    std::wstring wide;
    WideFromCodePage(utf8, CP_UTF8, wide);
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide)
{
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

std::wstring WindowsFileName(const std::string& path)
{
    std::wstring wide = WideFromUtf8(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    if (wide.rfind(L"\\\\?\\", 0) == 0)
        return wide;
    // The full name's length decides (a short name in a deep folder is long),
    // and the long form takes only a full name.
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(needed, L'\0');
    const DWORD length = needed > 0 ? ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr) : 0;
    if (length < MAX_PATH || length >= needed)
        return wide;
    full.resize(length);
    return full.rfind(L"\\\\", 0) == 0 ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

StdioFile OpenFile(const std::string& path, const char* mode)
{
    return StdioFile(::_wfopen(WindowsFileName(path).c_str(), WideFromUtf8(mode).c_str()));
}

namespace {

// A write that a full disk took only in part (as Wine's WriteFile does)
// succeeds for the system, and the C runtime fails it with EINVAL.  One byte
// more, written past the stream's buffer, fails whole with the system's own
// reason, which the C runtime maps as it should ("No space left on device").
// The stream is failing already: the byte spoils nothing that was sound.
void AskTheSystemWhy(std::FILE* file)
{
    const int before = errno;
    if (::_write(::_fileno(file), "", 1) == 1 || errno == 0)
        errno = before != 0 ? before : EIO;
}

}  // namespace

bool WriteAll(std::FILE* file, std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size())
        return true;
    AskTheSystemWhy(file);
    return false;
}

bool FlushAll(std::FILE* file)
{
    if (std::fflush(file) == 0)
        return true;
    AskTheSystemWhy(file);
    return false;
}

const char* const ReplacementFile::kSeparators = "/\\";

// A device or pipe (NUL, CON, a named pipe) is written to directly; a link is
// replaced as any file.  A file with the read-only attribute is refused, as
// Windows refuses to open it for writing.
bool ReplacementFile::ResolveTarget()
{
    HANDLE handle = ::CreateFileW(WindowsFileName(target_).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        const DWORD type = ::GetFileType(handle);
        direct_ = type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
        ::CloseHandle(handle);
    }
    const DWORD attributes = ::GetFileAttributesW(WindowsFileName(target_).c_str());
    if (!direct_ && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Fail(SystemErrorText(ERROR_ACCESS_DENIED));
    return true;
}

// Shared for deletion only, so that an interrupt can remove it.
StdioFile ReplacementFile::CreateExclusive(std::string name)
{
    HANDLE handle = ::CreateFileW(WindowsFileName(name).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD failure = ::GetLastError();
        if (failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS)
            Fail(SystemErrorText(failure));
        return StdioFile();
    }
    temporary_ = std::move(name);
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    StdioFile stream(descriptor == -1 ? nullptr : ::_fdopen(descriptor, "wb"));
    if (!stream) {
        Fail(std::strerror(errno));
        descriptor == -1 ? ::CloseHandle(handle) : ::_close(descriptor);
    }
    return stream;
}

bool ReplacementFile::Sync()
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file_.get())));
    return ::FlushFileBuffers(handle) != 0 || Fail(SystemErrorText(::GetLastError()));
}

// Another program may hold the target for a moment (a virus scanner, an
// indexer) or while it shows it: tried again for about two seconds.
bool ReplacementFile::MoveOverTarget()
{
    const std::wstring from = WindowsFileName(temporary_);
    const std::wstring to = WindowsFileName(target_);
    for (int attempt = 1; !Replace(from, to); ++attempt) {
        const DWORD failure = ::GetLastError();
        if (attempt == 20 || (failure != ERROR_SHARING_VIOLATION && failure != ERROR_ACCESS_DENIED))
            return Fail(SystemErrorText(failure));
        ::Sleep(100);
    }
    return true;
}

void ReplacementFile::RemoveTemporary() const
{
    ::DeleteFileW(WindowsFileName(temporary_).c_str());
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
