#include "file_identity.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>

#include <io.h>

#include "file_open.h"
#endif

namespace {

#ifdef _WIN32

// The file's identity, opened without asking for any access, so that a file
// another program holds open is still seen.
bool Identify(const std::string& path, BY_HANDLE_FILE_INFORMATION& info)
{
    HANDLE handle = ::CreateFileW(WindowsFileName(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    return known;
}

#endif

}  // namespace

bool SameFile(const std::string& first, const std::string& second)
{
#ifdef _WIN32
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return Identify(first, a) && Identify(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
#else
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
#endif
}

bool StreamReadsFile(std::FILE* stream, const std::string& path)
{
#ifdef _WIN32
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &a) &&
           Identify(path, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
#else
    struct stat a {};
    struct stat b {};
    return ::fstat(::fileno(stream), &a) == 0 && S_ISREG(a.st_mode) && ::stat(path.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

FileKind KindOf(const std::string& path)
{
#ifdef _WIN32
    // Not _wstat64, which refuses names holding "?", as the "\\?\" form does.
    const DWORD attributes = ::GetFileAttributesW(WindowsFileName(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FileKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::Regular;
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return FileKind::Missing;
    if (S_ISDIR(status.st_mode))
        return FileKind::Folder;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
#endif
}
