// What the main window does beyond its buttons: files dropped from Explorer,
// the report copied to the clipboard, and its size on screens of higher DPI.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "file_bytes.h"
#include "framework/dpi.h"
#include "resources/resource.h"
#include "text_encoding.h"
#include "ui_test_support.h"

using namespace dialog_driver;
using Rows = std::vector<std::string>;

namespace {

// A drop as Explorer makes it: a DROPFILES block in movable global memory,
// followed by the wide names, each zero-ended, and one more zero.  The
// window owns it once the message is posted (DragFinish frees it).
void DropFiles(HWND window, const std::vector<std::string>& names)
{
    std::wstring list;
    for (const std::string& name : names)
        list += WideFromUtf8(name) + L'\0';
    list += L'\0';
    const std::size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    ASSERT_NE(block, nullptr);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = POINT{100, 200};
    drop->fWide = TRUE;
    std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    ::GlobalUnlock(block);
    ASSERT_TRUE(::PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0));
}

// The clipboard's text in one format; nullopt when it holds none.
template <class Text>
std::optional<Text> ClipboardText(UINT format)
{
    if (!::OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<Text> text;
    if (HANDLE data = ::GetClipboardData(format)) {
        if (const auto* chars = static_cast<const typename Text::value_type*>(::GlobalLock(data))) {
            text = Text(chars);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

void PutOnClipboard(const std::string& text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
}

// Opens the result list's context menu as a right-click would.
HWND OpenReportMenu(const MainWindow& main)
{
    RECT list{};
    ::GetWindowRect(main.Item(IDC_RESULT_LIST), &list);
    ::PostMessageW(main.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main.Item(IDC_RESULT_LIST)),
                   MAKELPARAM(list.left + 20, list.top + 20));
    return WaitForPopupMenu();
}

// The Copy command, as Ctrl+C or the list's menu give it.
void SendCopyCommand(const MainWindow& main)
{
    ::PostMessageW(main.Window(), WM_COMMAND, IDM_COPY_REPORT, 0);
}

bool WaitForFocusIn(const MainWindow& main)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = ::GetWindowThreadProcessId(main.Window(), nullptr);
    return WaitUntil([&] {
        return ::GetGUIThreadInfo(thread, &info) && info.hwndFocus && ::IsChild(main.Window(), info.hwndFocus);
    });
}

}  // namespace

TEST(FileDrop, FillsTheMatchingFieldsOrRefusesTheWholeDrop)
{
    const std::string script = kNameInEveryScript;
    const TemporaryCopy pageCopy(kHtml, script + "\\Matrix " + script + ".HTML");
    const TemporaryCopy listingCopy(kListingA, script + "\\listing " + script + ".csv");
    const TemporaryCopy notesCopy(kListingA, "notes.txt");
    const std::string& page = pageCopy.Path();
    const std::string& listing = listingCopy.Path();
    const std::string& notes = notesCopy.Path();
    const std::string folder = notes.substr(0, notes.rfind('\\'));

    RunMainWindow([&](MainWindow& main) {
        // A listing and a page in one drop, in either order, names beyond
        // the ANSI code page, extensions in any case.
        DropFiles(main.Window(), {listing, page});
        EXPECT_TRUE(WaitUntil([&] { return main.FileRows(IDC_CSV_FILE) == Rows{listing}; }));
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{page});
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), CaseRows(kCaseA)) << "Compare reads the dropped files";

        // One file replaces its own field only.
        DropFiles(main.Window(), {kListingB});
        EXPECT_TRUE(WaitUntil([&] { return main.FileRows(IDC_CSV_FILE) == Rows{kListingB}; }));
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{page});

        const std::vector<std::vector<std::string>> refused = {
            {notes}, {folder}, {page, kHtml}, {listing, kListingA}, {kHtml, kListingA, notes}};
        for (const auto& drop : refused) {
            DropFiles(main.Window(), drop);
            const auto box = WaitForMessageBox(kProgramCaption);
            ASSERT_TRUE(box) << drop.front();
            EXPECT_TRUE(box->stopIcon);
            EXPECT_EQ(box->owner, main.Window());
            EXPECT_EQ(box->text.rfind("ERROR:  ", 0), 0u) << box->text;
            EXPECT_NE(box->text.find("(.htm, .html)"), std::string::npos) << box->text;
            EXPECT_NE(box->text.find("(.csv)"), std::string::npos) << box->text;
            EXPECT_TRUE(DismissMessageBox(*box));
            EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{page}) << "a refused drop changes nothing";
            EXPECT_EQ(main.FileRows(IDC_CSV_FILE), Rows{kListingB});
        }
    });
}

TEST(CopyReport, TheCommandAndTheListMenuCopyTheWholeReport)
{
    // A listing whose entity LoTW lacks has a name beyond ASCII; the report
    // names it in a note.
    const std::string html = kHtml;
    const std::string csv = TestFile("fixtures\\listing-accents.csv");
    std::string expected;  // as Save writes it
    for (const std::string& row : CaseRows(kAccentsCase))
        expected += row + "\r\n";
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, expected.c_str(), -1, nullptr, 0);
    std::wstring expectedWide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, expected.c_str(), -1, expectedWide.data(), wideLength);
    expectedWide.pop_back();
    if (::GetACP() == 1252) {
        ASSERT_NE(expectedWide.find(L"\u00C5land Islands \u00B7 Mariehamn"), std::wstring::npos);
    }

    RunMainWindow([&](MainWindow& main) {
        // An empty report copies nothing and says nothing.
        PutOnClipboard("earlier");
        SendCopyCommand(main);
        EXPECT_FALSE(WaitForMessageBox(kProgramCaption, Timeout{500}));
        EXPECT_EQ(ClipboardText<std::string>(CF_TEXT), "earlier");
        HWND popup = OpenReportMenu(main);
        ASSERT_NE(popup, nullptr);
        char item[64] = {};
        ::GetMenuStringA(PopupMenuOf(popup), 0, item, sizeof item, MF_BYPOSITION);
        EXPECT_STREQ(item, "&Copy report\tCtrl+C");
        EXPECT_TRUE(::GetMenuState(PopupMenuOf(popup), 0, MF_BYPOSITION) & MF_GRAYED);
        PressKey(popup, VK_ESCAPE);
        EXPECT_TRUE(WaitUntilGone(popup));

        ASSERT_TRUE(main.ChooseHtml(html));
        ASSERT_TRUE(main.ChooseCsv(csv));
        ASSERT_TRUE(main.Compare());
        SendCopyCommand(main);
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText<std::string>(CF_TEXT) == expected; }));
        EXPECT_EQ(ClipboardText<std::wstring>(CF_UNICODETEXT), expectedWide);

        PutOnClipboard("earlier");
        popup = OpenReportMenu(main);
        ASSERT_NE(popup, nullptr);
        EXPECT_FALSE(::GetMenuState(PopupMenuOf(popup), 0, MF_BYPOSITION) & MF_GRAYED);
        PressKey(popup, VK_DOWN);
        PressKey(popup, VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText<std::string>(CF_TEXT) == expected; }));
        EXPECT_EQ(ClipboardText<std::wstring>(CF_UNICODETEXT), expectedWide);
    });
}

// The real keys: Ctrl+C copies, and held down, once.
TEST(CopyReport, CtrlCHeldDownCopiesOnce)
{
    std::string expected;
    for (const std::string& row : CaseRows(kCaseA))
        expected += row + "\r\n";
    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        ASSERT_TRUE(WaitForFocusIn(main));
        PutOnClipboard("earlier");
        ASSERT_TRUE(SendKeyStrokesUntil({{VK_CONTROL, true}, {'C', true}},
                                        [&] { return ClipboardText<std::string>(CF_TEXT) == expected; }));
        ASSERT_TRUE(WaitUntil([&] { return ClipboardText<std::wstring>(CF_UNICODETEXT).has_value(); }));
        // Held down, the key repeats; Esc, after it, ends the window once
        // the repeats have been handled.
        PutOnClipboard("earlier");
        ASSERT_TRUE(SendKeyStrokes({{'C', true}, {'C', true}, {'C', true}, {'C', false}, {VK_CONTROL, false},
                                    {VK_ESCAPE, true}, {VK_ESCAPE, false}}));
        EXPECT_TRUE(WaitUntilGone(main.Window()));
        EXPECT_EQ(ClipboardText<std::string>(CF_TEXT), "earlier");
    });
}

// The report's rows are the listing's bytes, whatever the system's code
// page.  The fixture's names hold Latin-1 letters, which a UTF-8 code page
// cannot read, and Japanese text in its own code page followed by a lead
// byte with no trail byte, which the Japanese one cannot.  The list shows
// the rows as the code page reads them; Copy and Save give the bytes the
// command line writes.  Run under code pages 932 and 65001 too
// (tests/ui/CMakeLists.txt).
TEST(ReportBytes, ShownThroughTheCodePageCopiedAndSavedAsTheCommandLineWritesThem)
{
    if (const UINT asked = CodePageAskedFor()) {
        ASSERT_EQ(::GetACP(), asked) << "Wine did not take the locale's code page: scripts/setup generates it";
    }
    const std::string csv = TestFile("fixtures\\listing-accents.csv");
    std::string expected;
    std::wstring expectedWide;
    Rows shown;
    for (const std::string& row : CaseRows(kAccentsCase)) {
        expected += row + "\r\n";
        shown.push_back(ThroughCodePage(CP_ACP, row));
        expectedWide += WideFromUtf8(shown.back()) + L"\r\n";
    }
    ASSERT_NE(expected.find("JA: \x93\xFA\x96\x7B \x82  "), std::string::npos) << expected;
    const TemporaryCopy folder(kListingA, "listing.csv");
    const std::string saved = folder.Path().substr(0, folder.Path().rfind('\\')) + "\\report.txt";

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(csv));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(ReadListBoxUtf8(main.Item(IDC_RESULT_LIST)), shown);

        PutOnClipboard("earlier");
        SendCopyCommand(main);
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText<std::string>(CF_TEXT) == expected; }));
        EXPECT_EQ(ClipboardText<std::wstring>(CF_UNICODETEXT), expectedWide);

        EXPECT_TRUE(ClickAndFillFileDialog(main.Window(), IDC_SAVE, "Output log file", saved));
    });
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(saved, bytes));
    ::DeleteFileW(WideFromUtf8(saved).c_str());
    EXPECT_EQ(bytes, expected);
}

namespace {

// The screen's DPI for programs started from now on: Wine reads it from the
// user's LogPixels setting when a program starts.  The earlier setting comes
// back at the end.
class ScreenDpiSetting {
public:
    explicit ScreenDpiSetting(DWORD dpi)
    {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE,
                          nullptr, &key_, nullptr);
        DWORD size = sizeof previous_;
        hadPrevious_ = ::RegQueryValueExW(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                           &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~ScreenDpiSetting()
    {
        if (hadPrevious_)
            Set(previous_);
        else
            ::RegDeleteValueW(key_, kValue);
        ::RegCloseKey(key_);
    }
    ScreenDpiSetting(const ScreenDpiSetting&) = delete;
    ScreenDpiSetting& operator=(const ScreenDpiSetting&) = delete;

private:
    static constexpr const wchar_t* kValue = L"LogPixels";
    void Set(DWORD dpi)
    {
        EXPECT_EQ(::RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool hadPrevious_ = false;
};

constexpr const char* kDpiVariable = "TORNWICK_TEST_DPI";

// Runs the named test of this program in a process of its own, told the DPI
// to expect; returns the process's exit code.
DWORD RunTestInOwnProcess(const std::string& test, UINT dpi)
{
    ::SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
    wchar_t program[MAX_PATH + 1] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --gtest_filter=" + WideFromUtf8(test);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD exitCode = 1;
    if (::CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                         &process)) {
        if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
            ::TerminateProcess(process.hProcess, 1);
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    return exitCode;
}

LOGFONTW FontOf(HWND window)
{
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// The size of the text in the window's font.
SIZE TextSize(HWND window, const wchar_t* text)
{
    HDC dc = ::GetDC(window);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(window, dc);
    return size;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM children)
{
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(window);
    return TRUE;
}

// The controls whose text does not fit them in the font they draw with, on
// a screen of that DPI.
std::vector<std::string> CutTexts(HWND dialog, UINT dpi)
{
    std::vector<HWND> children;
    ::EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> cut;
    for (HWND child : children) {
        wchar_t text[256] = {};
        const int length = ::GetWindowTextW(child, text, 256);
        if (length == 0)
            continue;
        const SIZE needed = TextSize(child, text);
        RECT client{};
        ::GetClientRect(child, &client);
        // A check box draws its box and a gap before the text.
        const bool checkBox = ClassName(child) == "Button" &&
                              (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        const int room = client.right - (checkBox ? ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) : 0);
        if (needed.cx > room || needed.cy > client.bottom)
            cut.push_back(Utf8FromWide(text));
    }
    return cut;
}

}  // namespace

TEST(HighDpi, WindowScalesWithTheScreenDpi)
{
    for (UINT dpi : {96u, 144u, 192u}) {
        ScreenDpiSetting setting(dpi);
        EXPECT_EQ(RunTestInOwnProcess("HighDpiWindow.AtTheScreenDpi", dpi), 0u) << "at " << dpi << " DPI";
    }
}

// Run by the test above, in a process started at the DPI it names.
TEST(HighDpiWindow, AtTheScreenDpi)
{
    const char* setting = std::getenv(kDpiVariable);
    if (!setting)
        GTEST_SKIP() << "runs in a process of its own, started by HighDpi.WindowScalesWithTheScreenDpi";
    const UINT dpi = static_cast<UINT>(std::atoi(setting));
    const std::pair<UINT, LONG> listFontHeights[] = {{96, 14}, {120, 18}, {144, 21}, {192, 28}};
    // The widest row of the samples' report, which fits the list at 96 DPI.
    const wchar_t widestRow[] = L"VELLUM Award Bands: [Sat] [160] [80] [60] [40] [30] [20] [17] [15] [12] [10] [6] [2]";

    EXPECT_NE(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()), DPI_AWARENESS_UNAWARE)
        << "the manifest declares the program DPI-aware";
    RunMainWindow([&](MainWindow& main) {
        EXPECT_EQ(AfxGetWindowDpi(main.Window()), dpi);
        const HWND list = main.Item(IDC_RESULT_LIST);
        for (const auto& [at, height] : listFontHeights) {
            if (at == dpi) {
                EXPECT_EQ(FontOf(list).lfHeight, height) << dpi << " DPI";
            }
        }
        // Whole rows: as high as the font, and the widest as wide as the list.
        const SIZE row = TextSize(list, widestRow);
        RECT client{};
        ::GetClientRect(list, &client);
        EXPECT_GE(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), row.cy) << dpi << " DPI";
        EXPECT_LE(row.cx, client.right) << dpi << " DPI";

        // The template grows with its font: the 50 dialog units of a button
        // are about 75 pixels at 96 DPI.
        RECT compare{};
        ::GetWindowRect(main.Item(IDC_COMPARE), &compare);
        EXPECT_NEAR((compare.right - compare.left) * 96.0 / dpi, 75.0, 12.0) << dpi << " DPI";
        EXPECT_EQ(CutTexts(main.Window(), dpi), Rows{}) << dpi << " DPI";
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}

TEST(HighDpi, MovingToAScreenOfAnotherDpiRescales)
{
    RunMainWindow([](MainWindow& main) {
        RECT before{};
        ::GetWindowRect(main.Window(), &before);
        RECT suggested{before.left + 10, before.top + 10, before.left + 10 + (before.right - before.left) * 3 / 2,
                       before.top + 10 + (before.bottom - before.top) * 3 / 2};
        ::SendMessageW(main.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        RECT after{};
        ::GetWindowRect(main.Window(), &after);
        EXPECT_TRUE(::EqualRect(&after, &suggested));
        EXPECT_EQ(FontOf(main.Item(IDC_RESULT_LIST)).lfHeight, 21);
        // The check box's box takes the room it has on that screen, not on
        // the primary monitor (of 96 DPI here).
        ::SendMessageW(main.Window(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_TRUE(WaitUntil([&] { return CutTexts(main.Window(), 192).empty(); }));

        ::SendMessageW(main.Window(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&before));
        EXPECT_EQ(FontOf(main.Item(IDC_RESULT_LIST)).lfHeight, 14);
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}

TEST(Icon, HasAnImageForEachSizeWindowsShows)
{
    // The group's directory: a 6-byte header, then 14 bytes per image.
    const HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC group = ::FindResourceW(module, MAKEINTRESOURCEW(IDI_MAIN), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(::LockResource(::LoadResource(module, group)));
    ASSERT_NE(directory, nullptr);
    std::vector<std::pair<int, int>> images;  // size, bits per pixel
    const std::size_t count = directory[4] | directory[5] << 8;
    for (std::size_t i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;
        images.emplace_back(entry[0] ? entry[0] : 256, entry[6] | entry[7] << 8);
    }
    EXPECT_EQ(images, (std::vector<std::pair<int, int>>{{32, 4}, {16, 4}, {48, 32}, {256, 32}}));

    // Each size loads as itself, the 256-pixel PNG image too.
    for (int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP bitmap{};
        ::GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        ::DestroyIcon(icon);
    }
}
