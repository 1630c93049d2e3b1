#include "replacement_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <utility>

#include "file_open.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "text_encoding.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// As many links as Linux follows in one name before it gives up.
constexpr int kMostLinks = 40;

// A stream that writes to the descriptor; when none can be had, the
// descriptor is closed and errno says why.
StdioFile StreamOver(int descriptor)
{
#ifdef _WIN32
    StdioFile stream(::_fdopen(descriptor, "wb"));
#else
    StdioFile stream(::fdopen(descriptor, "wb"));
#endif
    if (!stream) {
        const int failure = errno;
#ifdef _WIN32
        ::_close(descriptor);
#else
        ::close(descriptor);
#endif
        errno = failure;
    }
    return stream;
}

#ifdef _WIN32

// Windows' own words for a Win32 error, as UTF-8 without the trailing line end.
std::string SystemErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    if (message.empty())
        return "error " + std::to_string(code);
    return Utf8FromWide(message);
}

// Moves the file from over the file to.  ReplaceFileW, Windows' own way of
// saving over a file, keeps the old file's attributes and security; a new
// file, or one ReplaceFileW could not take the place of, is moved into place.
// The target is tried first for the deletion a replacement needs: held open
// by another program, Wine's ReplaceFileW would leave a file of its own.
bool Replace(const std::wstring& from, const std::wstring& to)
{
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE target = ::CreateFileW(to.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool replaceable = target != INVALID_HANDLE_VALUE;
    if (replaceable)
        ::CloseHandle(target);
    return (replaceable &&
            ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
           ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

#endif

#ifdef _WIN32
const char* const kSeparators = "/\\";
#else
const char* const kSeparators = "/";
#endif

// A name for the temporary file: the target's own name with a suffix, so it
// lies in the same folder (a rename never crosses file systems) and a user
// who finds one left by a crash sees what it was for.  The suffix mixes the
// process, a counter and the clock, so that writers at the same moment (in
// other processes or threads) seldom meet.
std::string NewTemporaryName(const std::string& target)
{
    static std::atomic<std::uint64_t> counter{0};
#ifdef _WIN32
    const std::uint64_t process = ::GetCurrentProcessId();
#else
    const std::uint64_t process = static_cast<std::uint64_t>(::getpid());
#endif
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t mix = (process << 32) ^ now ^ (++counter * 0x9E3779B97F4A7C15ull);
    mix ^= mix >> 29;
    mix *= 0xBF58476D1CE4E5B9ull;
    mix ^= mix >> 32;
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    // A name near the file system's limit of 255 gets a short one instead.
    const std::string::size_type slash = target.find_last_of(kSeparators);
    const std::string::size_type base = slash == std::string::npos ? 0 : slash + 1;
    std::string name = target.size() - base > 200 ? target.substr(0, base) + ".tornwick.tmp-" : target + ".tmp-";
    for (int i = 0; i < 8; ++i, mix /= 36)
        name += kDigits[mix % 36];
    return name;
}

// A device or a pipe (/dev/null, /dev/stdout, a process substitution, NUL)
// cannot be replaced by a rename, and must not be: it holds no report to
// keep, so the bytes go straight to it.
bool IsDeviceOrPipe(const std::string& target)
{
#ifdef _WIN32
    HANDLE handle = ::CreateFileW(WindowsFileName(target).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
#else
    struct stat status {};
    return ::stat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
#endif
}

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target))
{
    if (IsDeviceOrPipe(target_)) {
        direct_ = true;
        file_ = OpenFile(target_, "wb");
        if (!file_)
            Fail(std::strerror(errno));
        return;
    }
#ifndef _WIN32
    // A symbolic link stays a link: the report replaces the file it leads to,
    // or creates it, as a shell's ">" does, when the link leads nowhere yet.
    namespace fs = std::filesystem;
    fs::path path = target_;
    std::error_code error;
    for (int links = 0; fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        if (links == kMostLinks) {
            Fail(std::strerror(ELOOP));
            return;
        }
        path = path.parent_path() / fs::read_symlink(path, error);
    }
    target_ = path.string();
    // The new file takes the old one's permissions from the start, so a
    // private report is never readable by others, not even while written.
    struct stat status {};
    const mode_t mode = ::stat(target_.c_str(), &status) == 0 ? status.st_mode & 0777 : 0666;
#endif
    // Creating the file exclusively makes the name ours alone: a writer that
    // meets a name in use picks another.
    for (unsigned attempt = 0; attempt < 100 && !file_ && error_.empty(); ++attempt) {
        std::string name = NewTemporaryName(target_);
#ifdef _WIN32
        // Shared for deletion only, so that an interrupt can remove it.
        HANDLE handle = ::CreateFileW(WindowsFileName(name).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD failure = ::GetLastError();
            if (failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS)
                Fail(SystemErrorText(failure));
            continue;
        }
        const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
        if (descriptor == -1) {
            Fail(std::strerror(errno));
            ::CloseHandle(handle);
            ::DeleteFileW(WindowsFileName(name).c_str());
            return;
        }
#else
        // A new report is an ordinary file: the umask applies.
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor == -1) {
            if (errno != EEXIST)
                Fail(std::strerror(errno));
            continue;
        }
#endif
        // From here on the destructor removes the file, whatever fails.
        temporary_ = std::move(name);
        file_ = StreamOver(descriptor);
        if (!file_)
            Fail(std::strerror(errno));
    }
    if (!file_ && error_.empty())
        Fail("no free temporary file name");
}

ReplacementFile::~ReplacementFile()
{
    file_.reset();
    if (temporary_.empty())
        return;
#ifdef _WIN32
    ::DeleteFileW(WindowsFileName(temporary_).c_str());
#else
    ::unlink(temporary_.c_str());
#endif
}

void ReplacementFile::Fail(std::string reason)
{
    if (error_.empty())
        error_ = std::move(reason);
}

bool ReplacementFile::Write(std::string_view bytes)
{
    if (!file_ || !error_.empty())
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        Fail(std::strerror(errno));
        return false;
    }
    return true;
}

bool ReplacementFile::SyncAndClose()
{
    if (std::fflush(file_.get()) != 0 || std::ferror(file_.get())) {
        Fail(std::strerror(errno));
        return false;
    }
#ifdef _WIN32
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file_.get())));
    if (!direct_ && !::FlushFileBuffers(handle)) {
        Fail(SystemErrorText(::GetLastError()));
        return false;
    }
#else
    // The umask may have taken bits of the replaced file's permissions away.
    struct stat status {};
    const int descriptor = ::fileno(file_.get());
    if (!direct_ && ((::stat(target_.c_str(), &status) == 0 && ::fchmod(descriptor, status.st_mode & 0777) != 0) ||
                     ::fsync(descriptor) != 0)) {
        Fail(std::strerror(errno));
        return false;
    }
#endif
    if (std::fclose(file_.release()) != 0) {
        Fail(std::strerror(errno));
        return false;
    }
    return true;
}

bool ReplacementFile::MoveOverTarget()
{
#ifdef _WIN32
    // Another program may hold the target for a moment (a virus scanner, the
    // search indexer, a sync client) or while it shows it (an editor): the
    // replacement is tried again for about two seconds before it fails.
    const std::wstring from = WindowsFileName(temporary_);
    const std::wstring to = WindowsFileName(target_);
    for (int attempt = 1; !Replace(from, to); ++attempt) {
        const DWORD failure = ::GetLastError();
        if (attempt == 20 || (failure != ERROR_SHARING_VIOLATION && failure != ERROR_ACCESS_DENIED)) {
            Fail(SystemErrorText(failure));
            return false;
        }
        ::Sleep(100);
    }
#else
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(std::strerror(errno));
        return false;
    }
    SyncFolder();
#endif
    temporary_.clear();
    return true;
}

#ifndef _WIN32
// A rename is durable once the folder that holds the name is on the disk.  The
// report is whole either way (the old one or the new), so a folder that
// cannot be synced (some file systems refuse) is no failure.
void ReplacementFile::SyncFolder() const
{
    const std::string::size_type slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target_.substr(0, slash);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor == -1)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}
#endif

bool ReplacementFile::Commit()
{
    if (!file_ || !error_.empty())
        return false;
    return SyncAndClose() && (direct_ || MoveOverTarget());
}
