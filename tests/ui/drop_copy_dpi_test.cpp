// What the main window does beyond its buttons: files dropped from Explorer,
// the report copied to the clipboard, and its size on screens of higher DPI.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

#include "framework/dpi.h"
#include "resources/resource.h"
#include "text_encoding.h"
#include "ui_test_support.h"

using namespace dialog_driver;
using Rows = std::vector<std::string>;

namespace {

const std::string kHtml = TestFile("fixtures\\lotw.html");
const std::string kListingA = TestFile("fixtures\\listing-a.csv");
const std::string kListingB = TestFile("fixtures\\listing-b.csv");

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

// The only row of a file list, read as wide text and given as UTF-8.
std::string FileRow(const MainWindow& main, int listId)
{
    const HWND list = main.Item(listId);
    const auto length = ::SendMessageW(list, LB_GETTEXTLEN, 0, 0);
    if (::SendMessageW(list, LB_GETCOUNT, 0, 0) != 1 || length < 0)
        return "<" + std::to_string(::SendMessageW(list, LB_GETCOUNT, 0, 0)) + " rows>";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text.data()))));
    return Utf8FromWide(text);
}

// A fresh folder with a name from beyond the ANSI code page; gone at the end.
class UnicodeFolder {
public:
    UnicodeFolder()
    {
        wchar_t temp[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_path = Utf8FromWide(temp) + "tornwick \xC3\x85lesund \xD0\x96\xD1\x83\xD0\xBA \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9D\x84\x9E " +
                 std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryW(WideFromUtf8(m_path).c_str(), nullptr);
    }
    ~UnicodeFolder()
    {
        for (const std::string& name : m_made) {
            const std::wstring wide = WideFromUtf8(name);
            if (!::DeleteFileW(wide.c_str()))
                ::RemoveDirectoryW(wide.c_str());
        }
        ::RemoveDirectoryW(WideFromUtf8(m_path).c_str());
    }
    UnicodeFolder(const UnicodeFolder&) = delete;
    UnicodeFolder& operator=(const UnicodeFolder&) = delete;

    std::string Copy(const std::string& source, const std::string& name)
    {
        const std::string path = m_path + "\\" + name;
        EXPECT_TRUE(::CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(path).c_str(), FALSE)) << path;
        m_made.push_back(path);
        return path;
    }
    std::string Folder(const std::string& name)
    {
        const std::string path = m_path + "\\" + name;
        EXPECT_TRUE(::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr)) << path;
        m_made.push_back(path);
        return path;
    }

private:
    std::string m_path;
    std::vector<std::string> m_made;
};

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
    UnicodeFolder folder;
    const std::string page = folder.Copy(kHtml, "Matrix \xC3\x85\xD0\x96\xE6\x97\xA5\xF0\x9D\x84\x9E.HTML");
    const std::string listing = folder.Copy(kListingA, "listing \xD0\x96\xD1\x83\xD0\xBA.csv");
    const std::string notes = folder.Copy(kListingA, "notes.txt");
    const std::string pagesFolder = folder.Folder("pages.htm");

    RunMainWindow([&](MainWindow& main) {
        // A listing and a page in one drop, in either order, names beyond
        // the ANSI code page, extensions in any case.
        DropFiles(main.Window(), {listing, page});
        EXPECT_TRUE(WaitUntil([&] { return FileRow(main, IDC_CSV_FILE) == listing; })) << FileRow(main, IDC_CSV_FILE);
        EXPECT_EQ(FileRow(main, IDC_HTML_FILE), page);
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), CommandLineRows(kHtml, kListingA)) << "Compare reads the dropped files";

        // One file replaces its own field only.
        DropFiles(main.Window(), {kListingB});
        EXPECT_TRUE(WaitUntil([&] { return FileRow(main, IDC_CSV_FILE) == kListingB; }));
        EXPECT_EQ(FileRow(main, IDC_HTML_FILE), page);

        const std::vector<std::vector<std::string>> refused = {
            {notes}, {pagesFolder}, {page, kHtml}, {listing, kListingA}, {kHtml, kListingA, notes}};
        for (const auto& drop : refused) {
            DropFiles(main.Window(), drop);
            const auto box = WaitForMessageBox(AppCaption());
            ASSERT_TRUE(box) << drop.front();
            EXPECT_TRUE(box->stopIcon);
            EXPECT_EQ(box->owner, main.Window());
            EXPECT_EQ(box->text.rfind("ERROR:  ", 0), 0u) << box->text;
            EXPECT_NE(box->text.find("(.htm, .html)"), std::string::npos) << box->text;
            EXPECT_NE(box->text.find("(.csv)"), std::string::npos) << box->text;
            EXPECT_TRUE(DismissMessageBox(*box));
            EXPECT_EQ(FileRow(main, IDC_HTML_FILE), page) << "a refused drop changes nothing";
            EXPECT_EQ(FileRow(main, IDC_CSV_FILE), kListingB);
        }
    });
}

TEST(CopyReport, CtrlCAndTheListMenuCopyTheWholeReport)
{
    // A listing whose entity LoTW lacks has a name beyond ASCII; the report
    // names it in a note.
    const std::string html = kHtml;
    const std::string csv = TestFile("fixtures\\listing-accents.csv");
    std::string expected;  // as Save writes it
    for (const std::string& row : CommandLineRows(html, csv))
        expected += row + "\r\n";
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, expected.c_str(), -1, nullptr, 0);
    std::wstring expectedWide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, expected.c_str(), -1, expectedWide.data(), wideLength);
    expectedWide.pop_back();
    if (::GetACP() == 1252) {
        ASSERT_NE(expectedWide.find(L"\u00C5land Islands \u00B7 Mariehamn"), std::wstring::npos);
    }

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(WaitForFocusIn(main));
        // An empty report copies nothing and says nothing.
        PutOnClipboard("earlier");
        ASSERT_TRUE(TypeChord(VK_CONTROL, 'C'));
        EXPECT_FALSE(WaitForMessageBox(AppCaption(), Timeout{500}));
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
        ASSERT_TRUE(WaitForFocusIn(main));
        ASSERT_TRUE(TypeChord(VK_CONTROL, 'C'));
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
