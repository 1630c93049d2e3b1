// The main window driven through its real controls and the real Open dialog.
#include <gtest/gtest.h>

#include <chrono>

#include "resources/resource.h"
#include "ui_test_support.h"

using namespace dialog_driver;
using Rows = std::vector<std::string>;

namespace {

const std::string kHtml = TestFile("fixtures\\lotw.html");
const std::string kListingA = TestFile("fixtures\\listing-a.csv");
const std::string kListingB = TestFile("fixtures\\listing-b.csv");

const char kSubmittedMismatch[] =
    "MISMATCH -   CW:    DL: Germany                       LoTW: [X]   VELLUM: [S]";

bool Contains(const Rows& rows, const std::string& row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

}  // namespace

TEST(MainWindow, CompareNamesTheFirstMissingFileAndKeepsTheList)
{
    RunMainWindow([](MainWindow& main) {
        EXPECT_EQ(main.CompareExpectingMessage(), "ERROR: Must specify HTML file name.");

        ASSERT_TRUE(main.ChooseCsv(kListingA));
        EXPECT_EQ(main.CompareExpectingMessage(), "ERROR: Must specify HTML file name.");
        EXPECT_TRUE(main.ResultRows().empty());
    });
    RunMainWindow([](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(kHtml));
        EXPECT_EQ(main.CompareExpectingMessage(), "ERROR: Must specify CSV file name.");
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
        EXPECT_EQ(main.ResultRows(), CommandLineRows(kHtml, kListingA));
    });
}

TEST(MainWindow, CompareShowsTheRowsTheCommandLinePrints)
{
    const Rows expectedA = CommandLineRows(kHtml, kListingA);
    const Rows expectedB = CommandLineRows(kHtml, kListingB);
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
    const Rows plain = CommandLineRows(kHtml, kListingA);
    const Rows submitted = CommandLineRows(kHtml, kListingA, true);
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
        EXPECT_EQ(main.CompareExpectingMessage(), "ERROR:  Could not open CSV file " + csv.Path() + ".");
        EXPECT_EQ(main.ResultRows(), shown);

        ASSERT_TRUE(::DeleteFileA(html.Path().c_str()));
        EXPECT_EQ(main.CompareExpectingMessage(), "ERROR:  Could not open HTML file " + html.Path() + ".");
        EXPECT_EQ(main.ResultRows(), shown);
    });
}

TEST(MainWindow, SampleFilesGiveTheCommandLineReport)
{
    const std::string html = TestFile("samples\\lotw-credit-matrix.html");
    const std::string csv = TestFile("samples\\vellum-dxcc.csv");
    const Rows expected = CommandLineRows(html, csv);
    ASSERT_GT(expected.size(), 20u);

    RunMainWindow([&](MainWindow& main) {
        ASSERT_TRUE(main.ChooseHtml(html));
        ASSERT_TRUE(main.ChooseCsv(csv));
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(main.Compare());
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        EXPECT_EQ(main.ResultRows(), expected);
        EXPECT_LT(elapsed.count(), 2000) << "Compare should feel instant";
        RecordProperty("compare_ms", static_cast<int>(elapsed.count()));
        RecordProperty("rows", static_cast<int>(expected.size()));
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

TEST(MainWindow, HelpWithoutItsPageSaysTheBrowserDidNotStart)
{
    // The test program has no help page beside it.
    RunMainWindow([](MainWindow& main) {
        PendingClick click = ClickDlgItem(main.Window(), IDC_HELP_PAGE);
        const auto box = WaitForMessageBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, "ERROR:  Could not start web browser.");
        EXPECT_TRUE(box->stopIcon);
        EXPECT_TRUE(DismissMessageBox(*box));
        EXPECT_TRUE(click.Wait());
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
                             IDC_SAVE, IDC_PRINT, IDC_HELP_PAGE, IDCANCEL};
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
