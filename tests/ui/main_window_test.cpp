// The main window driven through its real controls and the real Open dialog.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cwchar>

#include "compare.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "text_encoding.h"
#include "ui_test_support.h"

using namespace dialog_driver;
using Rows = std::vector<std::string>;

namespace {

// The test program's name in the Help test's copy.
const std::string kRenamedProgram = "DXCC \xD0\x96\xD1\x83\xD0\xBA";

const char kSubmittedMismatch[] =
    "MISMATCH -   CW:    DL: Germany                       LoTW: [X]   VELLUM: [S]";

bool Contains(const Rows& rows, const std::string& row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// Makes a list box refuse every row past the first `room`, as a list out of
// memory does, for as long as it lives.
class CrampedList {
public:
    CrampedList(HWND list, LRESULT room) : replaced_(list, &Refuse, original_) { room_ = room; }

private:
    static LRESULT CALLBACK Refuse(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == LB_ADDSTRING && ::CallWindowProcW(original_, list, LB_GETCOUNT, 0, 0) >= room_)
            return LB_ERRSPACE;
        return ::CallWindowProcW(original_, list, message, wParam, lParam);
    }

    ReplacedWindowProc replaced_;
    static inline WNDPROC original_ = nullptr;
    static inline LRESULT room_ = 0;
};

// Makes .html files of a kind that nothing opens, for as long as it lives:
// the shell then starts no browser for a page.
class NoBrowserForPages {
public:
    NoBrowserForPages()
    {
        wchar_t value[256] = {};
        LONG size = sizeof value;
        hadKind_ = ::RegQueryValueW(HKEY_CLASSES_ROOT, L".html", value, &size) == ERROR_SUCCESS;
        kind_ = value;
        SetKind(L"tornwick.nothing-opens-this");
    }
    ~NoBrowserForPages()
    {
        if (hadKind_)
            SetKind(kind_.c_str());
        else
            ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
    }
    NoBrowserForPages(const NoBrowserForPages&) = delete;
    NoBrowserForPages& operator=(const NoBrowserForPages&) = delete;

private:
    static void SetKind(const wchar_t* kind)
    {
        EXPECT_EQ(::RegSetValueW(HKEY_CLASSES_ROOT, L".html", REG_SZ, kind,
                                 static_cast<DWORD>(std::wcslen(kind) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    bool hadKind_ = false;
    std::wstring kind_;
};

}  // namespace

TEST(MainWindow, CompareNamesTheFirstMissingFileAndKeepsTheList)
{
    RunMainWindow([](MainWindow& main) {
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR: Must specify HTML file name.");

        ASSERT_TRUE(main.ChooseCsv(kListingA));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR: Must specify HTML file name.");
        EXPECT_TRUE(main.ResultRows().empty());
    });
    RunMainWindow([](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR: Must specify CSV file name.");
        EXPECT_TRUE(main.ResultRows().empty());
    });
}

TEST(MainWindow, ChoosingAgainReplacesTheFileAndCancellingKeepsIt)
{
    const std::string sampleHtml = TestFile("samples\\lotw-credit-matrix.html");
    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(sampleHtml));
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{kHtml});

        ASSERT_TRUE(main.CancelChoosingHtml());
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{kHtml});

        // The kept path is the one Compare reads.
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        EXPECT_EQ(main.FileRows(IDC_CSV_FILE), Rows{kListingA});
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), CaseRows(kCaseA));
    });
}

TEST(MainWindow, CompareShowsTheRowsTheCommandLinePrints)
{
    const Rows expectedA = CaseRows(kCaseA);
    const Rows expectedB = CaseRows(kCaseB);
    ASSERT_FALSE(expectedA.empty());
    ASSERT_NE(expectedA, expectedB);

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expectedA);
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expectedA) << "a second run replaces the rows";

        // Listing B names a delete column and "Country name,": what its header
        // changes must not stay for the next listing.
        ASSERT_TRUE(main.ChooseCsv(kListingB));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expectedB);
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expectedA);
    });
}

TEST(MainWindow, SubmittedCheckBoxCountsAtTheNextCompareOnly)
{
    const Rows plain = CaseRows(kCaseA);
    const Rows submitted = CaseRows(kSubmittedCaseA);
    ASSERT_TRUE(Contains(plain, kSubmittedMismatch));
    ASSERT_FALSE(Contains(submitted, kSubmittedMismatch));

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), plain);

        ASSERT_TRUE(ClickAndWait(main.Window(), IDC_SUBMITTED_AS_CHECKED));
        EXPECT_EQ(::SendMessageA(main.Item(IDC_SUBMITTED_AS_CHECKED), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(main.ResultRows(), plain) << "the shown report stays until the next Compare";
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), submitted);

        ASSERT_TRUE(ClickAndWait(main.Window(), IDC_SUBMITTED_AS_CHECKED));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), plain);
    });
}

TEST(MainWindow, FileGoneSinceChosenShowsTheMessageAndKeepsTheReport)
{
    RunMainWindow([&](MainWindow& main) {
        TemporaryCopy html(kHtml, "matrix.html");
        TemporaryCopy csv(kListingA, "listing.csv");
        ASSERT_TRUE(main.ChooseHtml(html.Path()));
        ASSERT_TRUE(main.ChooseCsv(csv.Path()));
        ASSERT_TRUE(main.Compare());
        const Rows shown = main.ResultRows();
        ASSERT_FALSE(shown.empty());

        ASSERT_TRUE(::DeleteFileA(csv.Path().c_str()));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR:  Could not open CSV file " + csv.Path() + ".");
        EXPECT_EQ(main.ResultRows(), shown);

        ASSERT_TRUE(::DeleteFileA(html.Path().c_str()));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR:  Could not open HTML file " + html.Path() + ".");
        EXPECT_EQ(main.ResultRows(), shown);
    });
}

TEST(MainWindow, SampleFilesGiveTheCommandLineReport)
{
    const std::string html = TestFile("samples\\lotw-credit-matrix.html");
    const std::string csv = TestFile("samples\\vellum-dxcc.csv");
    const Rows expected = CaseRows("summary/samples");
    ASSERT_GT(expected.size(), 20u);

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(html));
        ASSERT_TRUE(main.ChooseCsv(csv));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expected);
    });
}

TEST(MainWindow, ResultListShowsAFixedPitchFont)
{
    RunMainWindow([](MainWindow& main) {
        const auto font = reinterpret_cast<HFONT>(::SendMessageA(main.Item(IDC_RESULT_LIST), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTA requested{};
        ASSERT_TRUE(::GetObjectA(font, sizeof requested, &requested));
        EXPECT_EQ(requested.lfHeight, 14);
        EXPECT_EQ(requested.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);

        // What the font mapper gave: the padded report columns line up only
        // in a fixed-pitch face.
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ previous = ::SelectObject(dc, font);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        char face[LF_FACESIZE] = {};
        ::GetTextFaceA(dc, sizeof face, face);
        SIZE narrow{}, wide{};
        ::GetTextExtentPoint32A(dc, "iiiiiiiiii", 10, &narrow);
        ::GetTextExtentPoint32A(dc, "WWWWWWWWWW", 10, &wide);
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
        RecordProperty("result_list_face", face);
        EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << face << " is not fixed pitch";
        EXPECT_EQ(narrow.cx, wide.cx) << face;

        // The other controls keep the dialog's font.
        const auto dialogFont = ::SendMessageA(main.Window(), WM_GETFONT, 0, 0);
        EXPECT_EQ(::SendMessageA(main.Item(IDC_HTML_FILE), WM_GETFONT, 0, 0), dialogFont);
        EXPECT_EQ(::SendMessageA(main.Item(IDC_CSV_FILE), WM_GETFONT, 0, 0), dialogFont);
        EXPECT_TRUE(ClickAndWait(main.Window(), IDCANCEL));
    });
}

TEST(MainWindow, HelpWithoutItsPageSaysHowToGetIt)
{
    // The test program has no help page beside it, as a program started
    // from inside a zip has none.
    const std::string program = AfxGetModuleFileName();
    RunMainWindow([&](MainWindow& main) {
        EXPECT_EQ(main.ButtonMessage(IDC_HELP_PAGE),
                  "ERROR:  The help page tornwick-help.html is not in the folder " +
                      program.substr(0, program.rfind('\\')) +
                      ".\n\nUnzip the whole tornwick package into a folder, then start tornwick.exe from there: "
                      "the help page comes with it.");
    });
}

TEST(MainWindow, KeyboardStartsOnHtmlFileAndTabsInTemplateOrder)
{
    RunMainWindow([](MainWindow& main) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const DWORD thread = ::GetWindowThreadProcessId(main.Window(), nullptr);
        ASSERT_TRUE(WaitUntil([&] {
            return ::GetGUIThreadInfo(thread, &info) && info.hwndFocus == main.Item(IDC_BROWSE_HTML);
        }));

        const int order[] = {IDC_BROWSE_HTML, IDC_BROWSE_CSV, IDC_SUBMITTED_AS_CHECKED, IDC_COMPARE,
                             IDC_SAVE, IDC_PRINT, IDC_HELP_PAGE, IDCANCEL, IDC_RESULT_LIST};
        HWND control = main.Item(order[0]);
        for (int id : order) {
            EXPECT_EQ(::GetDlgCtrlID(control), id);
            control = ::GetNextDlgTabItem(main.Window(), control, FALSE);
        }
        EXPECT_EQ(::GetDlgCtrlID(control), order[0]) << "the tab order wraps round";
        EXPECT_EQ(LOWORD(::SendMessageA(main.Window(), DM_GETDEFID, 0, 0)), IDC_COMPARE);

        // Away from the push buttons, Enter presses Compare.
        ::PostMessageA(main.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(main.Item(IDC_SUBMITTED_AS_CHECKED)), TRUE);
        ASSERT_TRUE(WaitUntil([&] {
            return ::GetGUIThreadInfo(thread, &info) && info.hwndFocus == main.Item(IDC_SUBMITTED_AS_CHECKED);
        }));
        PressKey(info.hwndFocus, VK_RETURN);
        const auto box = WaitForMessageBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, "ERROR: Must specify HTML file name.");
        EXPECT_TRUE(DismissMessageBox(*box));
    });
}

TEST(MainWindow, FileNamesInAnyScriptAreChosenShownComparedAndNamedInMessages)
{
    const std::string folder = kNameInEveryScript;
    TemporaryCopy html(kHtml, folder + "\\\xE6\x9D\xB1\xE4\xBA\xAC.html");
    TemporaryCopy csv(kListingA, folder + "\\\xD0\x96\xD1\x83\xD0\xBA \xF0\x9F\x93\xA1.csv");
    const Rows expected = CaseRows(kCaseA);
    RunMainWindow([&](MainWindow& main) {
        EXPECT_TRUE(::IsWindowUnicode(main.Window()));
        EXPECT_TRUE(::IsWindowUnicode(main.Item(IDC_HTML_FILE)));
        ASSERT_TRUE(main.ChooseHtml(html.Path()));
        ASSERT_TRUE(main.ChooseCsv(csv.Path()));
        EXPECT_EQ(main.FileRows(IDC_HTML_FILE), Rows{html.Path()});
        EXPECT_EQ(main.FileRows(IDC_CSV_FILE), Rows{csv.Path()});
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expected);

        ASSERT_TRUE(::DeleteFileW(WideFromUtf8(csv.Path()).c_str()));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), "ERROR:  Could not open CSV file " + csv.Path() + ".");
        EXPECT_EQ(main.ResultRows(), expected);
    });
}

TEST(MainWindow, AReadErrorIsShownLikeAFileThatCannotBeOpened)
{
    // A listing that opens but fails to read (see CMakeLists.txt).
    const std::string unreadable = TestFile("fixtures\\unreadable.csv");
    struct : ReportSink {
        bool touched = false;
        void Clear() override { touched = true; }
        void Append(std::string_view) override { touched = true; }
    } untouched;
    CompareOptions options;
    const RunOutcome engine = RunComparison(kHtml, unreadable, options, untouched);
    ASSERT_NE(engine.status, RunStatus::Completed);
    ASSERT_FALSE(untouched.touched);
    ASSERT_EQ(engine.message.rfind("ERROR:  Could not ", 0), 0u) << engine.message;

    const Rows expected = CaseRows(kCaseA);
    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        ASSERT_TRUE(main.ChooseCsv(unreadable));
        EXPECT_EQ(main.ButtonMessage(IDC_COMPARE), engine.message);
        EXPECT_EQ(main.ResultRows(), expected) << "the shown report stays";

        ASSERT_TRUE(main.ChooseCsv(kListingA));
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expected);
    });
}

TEST(MainWindow, ARowTheListRefusesIsToldAndNeitherSavedNorPrinted)
{
    const Rows expected = CaseRows(kCaseA);
    ASSERT_GT(expected.size(), 5u);
    const Rows firstFive(expected.begin(), expected.begin() + 5);
    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        ASSERT_TRUE(main.ChooseCsv(kListingA));
        {
            CrampedList cramped(main.Item(IDC_RESULT_LIST), 5);
            EXPECT_EQ(main.ButtonMessage(IDC_COMPARE),
                      "ERROR:  The report is incomplete: the result list could hold only 5 of its " +
                          std::to_string(expected.size()) + " rows.");
        }
        EXPECT_EQ(main.ResultRows(), firstFive) << "no gap: nothing after the refused row";

        // Neither the Save nor the Print dialog opens for a shortened report,
        // and Copy does not copy it.
        EXPECT_EQ(main.ButtonMessage(IDC_SAVE), "ERROR:  The report is incomplete, so it was not saved.");
        EXPECT_EQ(main.ButtonMessage(IDC_PRINT),
                  "ERROR:  The report is incomplete, so it was not printed.");
        ::PostMessageW(main.Window(), WM_COMMAND, IDM_COPY_REPORT, 0);  // as Ctrl+C
        const auto copyBox = WaitForMessageBox();
        ASSERT_TRUE(copyBox);
        EXPECT_EQ(copyBox->text, "ERROR:  The report is incomplete, so it was not copied.");
        EXPECT_TRUE(DismissMessageBox(*copyBox));

        // A whole report makes Save available again.
        ASSERT_TRUE(main.Compare());
        EXPECT_EQ(main.ResultRows(), expected);
        PendingClick save = ClickDlgItem(main.Window(), IDC_SAVE);
        EXPECT_TRUE(CancelFileDialog("Output log file"));
        EXPECT_TRUE(save.Wait());
    });
}

// Help finds its page beside the program in a folder named in any script,
// whatever the program file is called: the test program is copied there
// under another name, with a page beside it, and run again to look.
TEST(Help, PageIsFoundBesideTheProgramInAFolderOfAnyName)
{
    if (std::getenv("TORNWICK_HELP_PROBE")) {
        const std::string page = theApp.HelpFilePath();
        const std::string program = AfxGetModuleFileName();
        EXPECT_EQ(page, program.substr(0, program.rfind('\\') + 1) + "tornwick-help.html");
        EXPECT_NE(::GetFileAttributesW(WideFromUtf8(page).c_str()), INVALID_FILE_ATTRIBUTES) << page;
        EXPECT_EQ(theApp.AppName(), kRenamedProgram) << "the caption of message boxes";

        // With the page there, a browser that does not start is what Help
        // says.
        const NoBrowserForPages noBrowser;
        RunMainWindow([](MainWindow& main) {
            PendingClick help = ClickDlgItem(main.Window(), IDC_HELP_PAGE);
            const auto box = WaitForMessageBox(kRenamedProgram);
            ASSERT_TRUE(box);
            EXPECT_EQ(box->text, "ERROR:  Could not start web browser.");
            EXPECT_TRUE(DismissMessageBox(*box));
            EXPECT_TRUE(help.Wait());
        });
        return;
    }
    TemporaryCopy program(AfxGetModuleFileName(),
                          std::string(kNameInEveryScript) + "\\" + kRenamedProgram + ".exe");
    const std::string programPath = program.Path();
    const std::wstring page =
        WideFromUtf8(programPath.substr(0, programPath.rfind('\\') + 1) + "tornwick-help.html");
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(TestFile("fixtures\\lotw.html")).c_str(), page.c_str(), FALSE));

    std::wstring command = L"\"" + WideFromUtf8(program.Path()) +
                           L"\" --gtest_filter=Help.PageIsFoundBesideTheProgramInAFolderOfAnyName";
    ::SetEnvironmentVariableW(L"TORNWICK_HELP_PROBE", L"1");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::SetEnvironmentVariableW(L"TORNWICK_HELP_PROBE", nullptr);
    ASSERT_TRUE(started) << program.Path();
    ASSERT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::DeleteFileW(page.c_str());
    EXPECT_EQ(status, 0u) << "the copy in " << program.Path() << " did not find its help page";
}
