#include "linux_command.h"

#include <windows.h>

#include <cstdlib>

#include "file_bytes.h"

namespace {

using DosNameFunction = WCHAR* (*)(const char*);

DosNameFunction WineDosName()
{
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<DosNameFunction>(
                        reinterpret_cast<void*>(::GetProcAddress(kernel, "wine_get_dos_file_name")))
                  : nullptr;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool RunningUnderWine()
{
    return WineDosName() != nullptr;
}

std::string WindowsPathOf(const std::string& linuxPath)
{
    DosNameFunction dosName = WineDosName();
    if (!dosName)
        return std::string();
    WCHAR* wide = dosName(linuxPath.c_str());
    if (!wide)
        return std::string();
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string path(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, path.data(), size, nullptr, nullptr);
    ::HeapFree(::GetProcessHeap(), 0, wide);
    return path;
}

std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::optional<CommandResult> RunLinuxCommand(const std::string& command, int timeoutMs)
{
    static int counter = 0;
    const std::string base = "/tmp/tornwick-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(++counter);
    const std::string outputFile = WindowsPathOf(base + ".out");
    const std::string statusFile = WindowsPathOf(base + ".status");
    if (outputFile.empty() || statusFile.empty())
        return std::nullopt;

    // The status file appears, whole, only when the command has ended.
    const std::string script = "(" + command + ") >" + base + ".out 2>&1; echo $? >" + base +
                               ".tmp; mv " + base + ".tmp " + base + ".status";
    std::string commandLine = "/bin/sh -c \"" + script + "\"";
    if (script.find('"') != std::string::npos)
        return std::nullopt;  // keep the quoting simple: commands use ' only

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return std::nullopt;
    if (process.hProcess)
        ::CloseHandle(process.hProcess);
    if (process.hThread)
        ::CloseHandle(process.hThread);

    for (int waited = 0; !Exists(statusFile); waited += 50) {
        if (waited >= timeoutMs)
            return std::nullopt;
        ::Sleep(50);
    }
    CommandResult result;
    std::string status;
    const bool read = ReadFileBytes(statusFile, status) && ReadFileBytes(outputFile, result.output);
    ::DeleteFileA(statusFile.c_str());
    ::DeleteFileA(outputFile.c_str());
    if (!read)
        return std::nullopt;
    result.status = std::atoi(status.c_str());
    return result;
}
