// The window for a keyboard user and a screen reader: the result list in
// the tab order and scrolled by the keys, the access keys, and what the
// accessibility interfaces tell about each control.
#include <gtest/gtest.h>

#include <oleacc.h>

#include "resources/resource.h"
#include "ui_test_support.h"

using namespace dialog_driver;

namespace {

LRESULT TopRow(HWND list)
{
    return ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
}

// Presses the key in the list and waits until the list's top row is `top`.
bool ScrollsTo(HWND list, WORD key, LRESULT top)
{
    PressKey(list, key);
    return WaitUntil([&] { return TopRow(list) == top; });
}

// Alt and the letter, as the keyboard gives them to the focused control.
void PressAccessKey(HWND control, wchar_t letter)
{
    ::PostMessageW(control, WM_SYSCHAR, letter, LPARAM{1} << 29);
}

HWND FocusedControl(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::string Text(BSTR text)
{
    if (!text)
        return "(none)";
    std::string utf8 = ToUtf8(text);
    ::SysFreeString(text);
    return utf8;
}

// What a screen reader gets for the control: its role, name, keyboard
// shortcut and how many children (rows) it has.
struct Accessible {
    long role = 0;
    std::string name;
    std::string shortcut;
    long children = -1;
};

Accessible AccessibleOf(HWND control)
{
    Accessible seen;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&object))))
        return seen;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
        seen.role = role.lVal;
    BSTR text = nullptr;
    object->get_accName(self, &text);
    seen.name = Text(text);
    text = nullptr;
    object->get_accKeyboardShortcut(self, &text);
    seen.shortcut = Text(text);
    object->get_accChildCount(&seen.children);
    object->Release();
    return seen;
}

}  // namespace

TEST(Keyboard, KeysScrollTheResultListWithoutSelectingARow)
{
    const std::string html = TestFile("samples\\lotw-credit-matrix.html");
    const std::string csv = TestFile("samples\\vellum-dxcc.csv");
    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(html));
        ASSERT_TRUE(main.ChooseCsv(csv));
        ASSERT_TRUE(main.Compare());
        const HWND list = main.Item(IDC_RESULT_LIST);
        const LRESULT rows = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
        RECT client{};
        ::GetClientRect(list, &client);
        const LRESULT page = client.bottom / ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
        ASSERT_GT(rows, 2 * page) << "the report must be longer than two pages";

        // Tab from Exit reaches the list.
        ::PostMessageW(main.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(main.Item(IDCANCEL)), TRUE);
        ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main.Window()) == main.Item(IDCANCEL); }));
        PressKey(main.Item(IDCANCEL), VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main.Window()) == list; }));

        EXPECT_TRUE(ScrollsTo(list, VK_DOWN, 1));
        EXPECT_TRUE(ScrollsTo(list, VK_NEXT, 1 + page));
        EXPECT_TRUE(ScrollsTo(list, VK_UP, page));
        EXPECT_TRUE(ScrollsTo(list, VK_PRIOR, 0));
        EXPECT_TRUE(ScrollsTo(list, VK_END, rows - page)) << "the last row shows at the bottom";
        EXPECT_TRUE(ScrollsTo(list, VK_HOME, 0));
        EXPECT_TRUE(ScrollsTo(list, VK_UP, 0));
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR) << "no row is selected";
        EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), rows);
    });
}

TEST(Keyboard, AccessKeysDoWhatTheirControlsDo)
{
    RunMainWindow([](MainWindow& main) {
        const HWND focus = main.Item(IDC_BROWSE_HTML);
        ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main.Window()) == focus; }));
        PressAccessKey(focus, L'h');
        EXPECT_TRUE(CancelFileDialog("Input HTML File"));
        PressAccessKey(focus, L'c');
        EXPECT_TRUE(CancelFileDialog("Input CSV File"));

        PressAccessKey(focus, L't');
        EXPECT_TRUE(WaitUntil([&] {
            return ::SendMessageW(main.Item(IDC_SUBMITTED_AS_CHECKED), BM_GETCHECK, 0, 0) == BST_CHECKED;
        }));
        const std::pair<wchar_t, const char*> messages[] = {
            {L'o', "ERROR: Must specify HTML file name."},
            {L's', "ERROR:  Nothing to save."},
            {L'p', "ERROR:  Nothing to print."},
            {L'l', "ERROR:  The help page tornwick-help.html is not in the folder "},
        };
        for (const auto& [letter, text] : messages) {
            PressAccessKey(FocusedControl(main.Window()), letter);
            const auto box = WaitForMessageBox();
            ASSERT_TRUE(box) << static_cast<char>(letter);
            EXPECT_EQ(box->text.rfind(text, 0), 0u) << box->text;
            EXPECT_TRUE(DismissMessageBox(*box));
        }
        PressAccessKey(FocusedControl(main.Window()), L'x');
        EXPECT_TRUE(WaitUntilGone(main.Window()));
    });
}

// Wine's accessibility interfaces give every control the role of a window's
// client area and the name of its text; the lists have no text, and Wine
// keeps no names given them by annotation and gives no rows (Windows does).
TEST(ScreenReader, NamesEveryButtonWithItsAccessKey)
{
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    RunMainWindow([](MainWindow& main) {
        const std::tuple<int, const char*, const char*> controls[] = {
            {IDC_BROWSE_HTML, "HTML file", "Alt+H"},
            {IDC_BROWSE_CSV, "CSV file", "Alt+C"},
            {IDC_SUBMITTED_AS_CHECKED, "Treat VELLUM Submitted as Checked", "Alt+T"},
            {IDC_COMPARE, "Compare", "Alt+o"},
            {IDC_SAVE, "Save", "Alt+S"},
            {IDC_PRINT, "Print", "Alt+P"},
            {IDC_HELP_PAGE, "Help", "Alt+l"},
            {IDCANCEL, "Exit", "Alt+x"},
        };
        for (const auto& [id, name, shortcut] : controls) {
            const Accessible seen = AccessibleOf(main.Item(id));
            EXPECT_EQ(seen.name, name);
            EXPECT_EQ(seen.shortcut, shortcut) << name;
            RecordProperty(name, "role " + std::to_string(seen.role));
        }
        for (int id : {IDC_HTML_FILE, IDC_CSV_FILE, IDC_RESULT_LIST}) {
            const Accessible seen = AccessibleOf(main.Item(id));
            EXPECT_NE(seen.role, 0) << id;
            RecordProperty("list " + std::to_string(id), "role " + std::to_string(seen.role) + ", name " +
                                                             seen.name + ", rows " + std::to_string(seen.children));
        }
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
    ::CoUninitialize();
}
