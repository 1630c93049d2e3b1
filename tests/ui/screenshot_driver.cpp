// tornwick-screenshot-driver HTML CSV: drives a running tornwick.exe in the
// same Wine desktop: chooses the two files through its Open dialogs, presses
// Compare, and prints the main window's screen rectangle as
// "WIDTHxHEIGHT+X+Y" for cropping a screenshot.
// tornwick-screenshot-driver --exit: presses tornwick's Exit button.
// Exit status 0 on success.
#include <windows.h>

#include <cstdio>
#include <string>

#include "dialog_driver.h"
#include "resources/resource.h"

using namespace dialog_driver;

namespace {

bool Choose(HWND main, int button, const char* title, const char* path)
{
    PendingClick click = ClickDlgItem(main, button);
    return FillFileDialog(title, path) && click.Wait();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool exit = argc == 2 && std::string(argv[1]) == "--exit";
    if (argc != 3 && !exit) {
        std::fprintf(stderr, "usage: tornwick-screenshot-driver HTML CSV | --exit\n");
        return 2;
    }
    DriveProcess(0);
    HWND main = WaitForWindow(kDialogClass, "tornwick", Timeout{60000});
    if (!main) {
        std::fprintf(stderr, "tornwick's window did not appear\n");
        return 1;
    }
    if (exit)
        return ClickAndWait(main, IDCANCEL) ? 0 : 1;
    if (!Choose(main, IDC_BROWSE_HTML, "Input HTML File", argv[1]) ||
        !Choose(main, IDC_BROWSE_CSV, "Input CSV File", argv[2])) {
        std::fprintf(stderr, "could not choose the files\n");
        return 1;
    }
    if (!ClickAndWait(main, IDC_COMPARE)) {
        std::fprintf(stderr, "Compare did not finish\n");
        return 1;
    }
    RECT rect{};
    ::GetWindowRect(main, &rect);
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    return 0;
}
