#include "replacement_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "file_open.h"
#include "text_encoding.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

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

#endif

// A name for the temporary file: the target's own name with a suffix, so it
// lies in the same folder (a rename never crosses file systems) and a user
// who finds one left by a crash sees what it was for.
std::string TemporaryPattern(const std::string& target) { return target + ".tmp-XXXXXX"; }

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target))
{
#ifdef _WIN32
    // CREATE_NEW makes the name ours alone: another writer picks another.
    const std::string pattern = TemporaryPattern(target_);
    for (unsigned attempt = 0; attempt < 100 && !file_; ++attempt) {
        std::string name = pattern.substr(0, pattern.size() - 6) +
                           std::to_string((::GetCurrentProcessId() * 131u + ::GetTickCount() + attempt) % 1000000u);
        HANDLE handle = ::CreateFileW(WindowsFileName(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS || ::GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            Fail(SystemErrorText(::GetLastError()));
            return;
        }
        const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
        if (descriptor == -1) {
            ::CloseHandle(handle);
            Fail(std::strerror(errno));
            return;
        }
        temporary_ = std::move(name);
        file_.reset(::_fdopen(descriptor, "wb"));
        if (!file_) {
            ::_close(descriptor);
            Fail(std::strerror(errno));
        }
    }
    if (!file_ && error_.empty())
        Fail("no free temporary file name");
#else
    std::string name = TemporaryPattern(target_);
    const int descriptor = ::mkstemp(name.data());
    if (descriptor == -1) {
        Fail(std::strerror(errno));
        return;
    }
    temporary_ = std::move(name);
    // mkstemp makes the file private; a report is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    file_.reset(::fdopen(descriptor, "wb"));
    if (!file_) {
        Fail(std::strerror(errno));
        ::close(descriptor);
    }
#endif
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
    if (!::FlushFileBuffers(handle)) {
        Fail(SystemErrorText(::GetLastError()));
        return false;
    }
#else
    if (::fsync(::fileno(file_.get())) != 0) {
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
    if (!::MoveFileExW(WindowsFileName(temporary_).c_str(), WindowsFileName(target_).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Fail(SystemErrorText(::GetLastError()));
        return false;
    }
#else
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(std::strerror(errno));
        return false;
    }
#endif
    temporary_.clear();
    return true;
}

bool ReplacementFile::Commit()
{
    if (!file_ || !error_.empty())
        return false;
    return SyncAndClose() && MoveOverTarget();
}
