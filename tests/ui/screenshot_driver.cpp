// tornwick-screenshot-driver HTML CSV: drives a running tornwick.exe in the
// same Wine desktop: chooses the two files through its Open dialogs, presses
// Compare, and prints the main window's screen rectangle as
// "WIDTHxHEIGHT+X+Y" for cropping a screenshot.
// tornwick-screenshot-driver --about: opens the About box by the system
// command its system-menu item sends and prints the box's rectangle the same
// way.
// tornwick-screenshot-driver --close-about: presses the About box's OK.
// tornwick-screenshot-driver --exit: presses tornwick's Exit button.
// Exit status 0 on success.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "resources/resource.h"

using namespace dialog_driver;

namespace {

void PrintGeometry(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
}

constexpr const char* kAboutCaption = "About tornwick";

// Posted, not sent: the About box runs modally inside the handler, so a sent
// message would not return while the box is open.
int OpenAbout(HWND main)
{
    ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForWindow(kDialogClass, kAboutCaption);
    if (!about) {
        std::fprintf(stderr, "the About box did not appear\n");
        return 1;
    }
    PrintGeometry(about);
    return 0;
}

int CloseAbout()
{
    HWND about = FindWindowByCaption(kDialogClass, kAboutCaption);
    if (!about) {
        std::fprintf(stderr, "the About box is not open\n");
        return 1;
    }
    return ClickAndWait(about, IDOK) && WaitUntilGone(about) ? 0 : 1;
}

}  // namespace

int main()
{
    // The arguments as UTF-8, so that file names in any script come through.
    int argc = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int i = 0; i < argc; ++i)
        argv.push_back(ToUtf8(wide[i]));
    ::LocalFree(wide);
    const std::string mode = argc == 2 ? argv[1] : "";
    if (argc != 3 && mode != "--exit" && mode != "--about" && mode != "--close-about") {
        std::fprintf(stderr, "usage: tornwick-screenshot-driver HTML CSV | --about | --close-about | --exit\n");
        return 2;
    }
    // Rectangles in the screen's own pixels, as the screenshot has them, at
    // any DPI (a program that is not DPI-aware would get them scaled).
    ::SetProcessDPIAware();
    DriveProcess(0);
    HWND main = WaitForWindow(kDialogClass, kProgramCaption, Timeout{60000});
    if (!main) {
        std::fprintf(stderr, "tornwick's window did not appear\n");
        return 1;
    }
    if (mode == "--exit")
        return ClickAndWait(main, IDCANCEL) ? 0 : 1;
    if (mode == "--about")
        return OpenAbout(main);
    if (mode == "--close-about")
        return CloseAbout();
    if (!ClickAndFillFileDialog(main, IDC_BROWSE_HTML, "Input HTML File", argv[1]) ||
        !ClickAndFillFileDialog(main, IDC_BROWSE_CSV, "Input CSV File", argv[2])) {
        std::fprintf(stderr, "could not choose the files\n");
        return 1;
    }
    if (!ClickAndWait(main, IDC_COMPARE)) {
        std::fprintf(stderr, "Compare did not finish\n");
        return 1;
    }
    PrintGeometry(main);
    return 0;
}
