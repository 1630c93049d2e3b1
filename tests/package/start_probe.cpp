// tornwick-start-probe PROGRAM [HTML CSV REPORT [print]]: starts PROGRAM (a
// tornwick.exe) as a user would, waits for its main window and checks that it
// shows; with the files, chooses HTML and CSV through the window's Open
// dialogs, presses Compare, and saves the report to REPORT through Save; with
// "print" too, presses Print, where the system loads the print spooler's
// DLLs, and cancels the Print dialog; then presses Exit and waits for the
// program to end.
//
// Prints the program's version record as "version A.B.C.D".  Exit status 0
// when the window showed, every step worked and the program ended by itself
// with status 0.  (The report is read back through Save because a list box
// cannot hand its text to another process.)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "resources/resource.h"

using namespace dialog_driver;

namespace {

constexpr DWORD kExitWaitMs = 20000;

// The FILEVERSION of the program's version record, or "" without one.
std::string FileVersion(const std::string& program)
{
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(program.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> data(size);
    void* block = nullptr;
    UINT length = 0;
    if (!::GetFileVersionInfoA(program.c_str(), 0, size, data.data()) ||
        !::VerQueryValueA(data.data(), "\\", &block, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return {};
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionLS));
}

// The started program; ended by force if the probe leaves it running.
class StartedProgram {
public:
    explicit StartedProgram(const std::string& program)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + program + "\"";
        started_ = ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &process_) != 0;
    }
    ~StartedProgram()
    {
        if (!started_)
            return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.hProcess, 99);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }

    // The exit status once the program has ended by itself, or -1.
    long WaitForExit() const
    {
        DWORD status = 0;
        if (::WaitForSingleObject(process_.hProcess, kExitWaitMs) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(process_.hProcess, &status))
            return -1;
        return static_cast<long>(status);
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

int Fail(const char* what)
{
    std::fprintf(stderr, "tornwick-start-probe: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 5 && !(argc == 6 && std::string(argv[5]) == "print")) {
        std::fprintf(stderr, "usage: tornwick-start-probe PROGRAM [HTML CSV REPORT [print]]\n");
        return 2;
    }
    const std::string program = argv[1];
    std::printf("version %s\n", FileVersion(program).c_str());

    // Wine sets its printers up in the first process of a session that loads
    // the spooler's client, loading the spooler's DLLs as it does; Windows
    // does so in its spooler service, at boot.  Done here, the program finds
    // the printers ready, as on Windows, and loads those DLLs only when it
    // prints.
    ::LoadLibraryW(L"winspool.drv");

    StartedProgram started(program);
    if (!started.Started())
        return Fail("the program could not be started");
    DriveProcess(started.Id());
    HWND main = WaitForWindow(kDialogClass, "tornwick", Timeout{60000});
    if (!main)
        return Fail("the main window did not appear");
    RECT rect{};
    if (!::IsWindowVisible(main) || !::GetWindowRect(main, &rect) || rect.right <= rect.left ||
        rect.bottom <= rect.top)
        return Fail("the main window is not shown");
    if (WindowText(::GetDlgItem(main, IDC_COMPARE)) != "C&ompare" ||
        !::GetDlgItem(main, IDC_RESULT_LIST))
        return Fail("the main window lacks its controls");

    if (argc >= 5) {
        if (!ClickAndFillFileDialog(main, IDC_BROWSE_HTML, "Input HTML File", argv[2]) ||
            !ClickAndFillFileDialog(main, IDC_BROWSE_CSV, "Input CSV File", argv[3]))
            return Fail("the files could not be chosen");
        if (!ClickAndWait(main, IDC_COMPARE))
            return Fail("Compare did not finish");
        if (!ClickAndFillFileDialog(main, IDC_SAVE, "Output log file", argv[4]))
            return Fail("the report could not be saved");
    }
    if (argc == 6) {
        PendingClick print = ClickDlgItem(main, IDC_PRINT);
        HWND dialog = WaitForOwnedDialog(main);
        if (!dialog || WindowText(dialog) != "Print")
            return Fail("the Print dialog did not appear");
        PostButtonClick(dialog, IDCANCEL);
        if (!print.Wait())
            return Fail("Print did not finish");
    }

    if (!ClickAndWait(main, IDCANCEL))
        return Fail("Exit did not finish");
    const long status = started.WaitForExit();
    if (status != 0) {
        std::fprintf(stderr, "tornwick-start-probe: the program ended with status %ld\n", status);
        return 1;
    }
    return 0;
}
