// Start-up, the way out, the system menu and the About box.
#include <gtest/gtest.h>

#include "framework/win_app.h"
#include "framework/wnd.h"
#include "resources/resource.h"
#include "ui_test_support.h"

using namespace dialog_driver;

namespace {

// Opens the About box by a system command, checks it, and closes it with
// close(aboutBox).
void CheckAboutBox(MainWindow& main, WPARAM command, const std::function<void(HWND)>& close)
{
    ::PostMessageA(main.Window(), WM_SYSCOMMAND, command, 0);
    HWND about = WaitForWindow(kDialogClass, "About tornwick");
    ASSERT_NE(about, nullptr) << "system command " << command;
    EXPECT_EQ(::GetWindow(about, GW_OWNER), main.Window());
    EXPECT_FALSE(::IsWindowEnabled(main.Window())) << "the About box is modal";

    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(about, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WindowText(child));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "tornwick Version 4.1"), texts.end());

    close(about);
    EXPECT_TRUE(WaitUntilGone(about));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(main.Window()) != FALSE; }));
}

}  // namespace

TEST(Startup, InitInstanceRunsTheMainWindowAndReturnsFalse)
{
    HWND seenWindow = nullptr;
    HWND mainWindowOfApp = nullptr;
    BOOL result = TRUE;
    RunWithDriver([&] { result = theApp.InitInstance(); },
                  [&] {
                      seenWindow = WaitForWindow(kDialogClass, kProgramCaption);
                      ASSERT_NE(seenWindow, nullptr);
                      mainWindowOfApp = AfxGetMainWnd() ? AfxGetMainWnd()->GetSafeHwnd() : nullptr;
                      EXPECT_TRUE(ClickAndWait(seenWindow, IDCANCEL));
                  });
    EXPECT_FALSE(result);
    EXPECT_EQ(mainWindowOfApp, seenWindow) << "message boxes are owned by the main window";
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_FALSE(::IsWindow(seenWindow));
}

TEST(Startup, ExitEscAndTheCloseBoxEndTheWindow)
{
    EXPECT_EQ(RunMainWindow([](MainWindow& main) { EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL)); }),
              IDCANCEL);
    EXPECT_EQ(RunMainWindow([](MainWindow& main) {
                  PressKey(main.Window(), VK_ESCAPE);
                  EXPECT_TRUE(WaitUntilGone(main.Window()));
              }),
              IDCANCEL);
    EXPECT_EQ(RunMainWindow([](MainWindow& main) {
                  ::PostMessageA(main.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
                  EXPECT_TRUE(WaitUntilGone(main.Window()));
              }),
              IDCANCEL);
}

TEST(Startup, MainWindowHasItsIconAndTaskBarButton)
{
    RunMainWindow([](MainWindow& main) {
        // The program's own icon (a shared icon: loading it again gives the
        // same handle), not the system's default that Wine would give.
        const auto ours = reinterpret_cast<LRESULT>(
            ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN)));
        ASSERT_NE(ours, 0);
        EXPECT_EQ(::SendMessageW(main.Window(), WM_GETICON, ICON_BIG, 0), ours);
        EXPECT_EQ(::SendMessageW(main.Window(), WM_GETICON, ICON_SMALL, 0), ours);
        EXPECT_EQ(::SendMessageW(main.Window(), WM_QUERYDRAGICON, 0, 0), ours);
        EXPECT_TRUE(::GetWindowLongA(main.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
        const LONG style = ::GetWindowLongA(main.Window(), GWL_STYLE);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

        // Centred on the screen's work area.
        RECT window{}, area{};
        ::GetWindowRect(main.Window(), &window);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        EXPECT_NEAR((window.left + window.right) / 2.0, (area.left + area.right) / 2.0, 1);
        EXPECT_NEAR((window.top + window.bottom) / 2.0, (area.top + area.bottom) / 2.0, 1);
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}

TEST(AboutBox, SystemMenuEndsWithTheAboutItem)
{
    RunMainWindow([](MainWindow& main) {
        HMENU menu = ::GetSystemMenu(main.Window(), FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = ::GetMenuItemCount(menu);
        ASSERT_GE(count, 2);

        MENUITEMINFOA separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(::GetMenuItemInfoA(menu, count - 2, TRUE, &separator));
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

        char text[64] = {};
        ::GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About tornwick...");
        EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}

TEST(AboutBox, OpensForItsCommandAndClosesByOkEscAndCloseBox)
{
    RunMainWindow([](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(TestFile("fixtures\\lotw.html")));

        CheckAboutBox(main, IDM_ABOUT, [](HWND about) { EXPECT_TRUE(ClickAndWait(about, IDOK)); });
        // The system may set the low four bits of the command.
        CheckAboutBox(main, IDM_ABOUT | 0x5, [](HWND about) { PressKey(about, VK_ESCAPE); });
        CheckAboutBox(main, IDM_ABOUT | 0xF,
                      [](HWND about) { ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); });

        // The main window is as it was and still answers.
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), std::vector<std::string>{TestFile("fixtures\\lotw.html")});
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR: Must specify CSV file name.");
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}
