// Print, through the real Print dialog onto the PDF printer of the test
// spooler: the job's name, 60 rows a page, where the rows land, and the
// dialog's Cancel and Help buttons.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "linux_command.h"
#include "printed_jobs.h"
#include "report_window.h"
#include "resources/resource.h"

using namespace dialog_driver;

namespace {

// Waits for the Print dialog over the main window (its title is in the
// system's language) and picks the test printer.
HWND OpenPrintDialog(HWND main)
{
    HWND dialog = WaitForOwnedDialog(main);
    HWND printers = dialog ? ::GetDlgItem(dialog, cmb4) : nullptr;
    if (!printers)
        return nullptr;
    if (::SendMessageA(printers, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(PrintedJobs::kPrinter)) == CB_ERR)
        return nullptr;
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(printers));
    return dialog;
}

// Shows the rows, prints them on the test printer and returns the PDFs made.
std::vector<PrintedPdf> PrintRows(PrintedJobs& jobs, HWND main, const std::vector<std::string>& rows)
{
    if (!rows.empty())
        ReportWindow::ShowRows(main, rows);
    jobs.Snapshot();
    PendingClick print = ClickDlgItem(main, IDC_PRINT);
    HWND dialog = OpenPrintDialog(main);
    EXPECT_TRUE(dialog) << "no Print dialog with the printer " << PrintedJobs::kPrinter;
    if (!dialog)
        return {};
    PostButtonClick(dialog, IDOK);
    EXPECT_TRUE(print.Wait(Timeout{60000}));
    return jobs.Collect();
}

// The leftmost word of each line of a page, top to bottom.  Words of one
// line may differ a little in their top edge (brackets reach higher than
// letters), far less than the distance between lines.
std::vector<PrintedWord> LineStarts(std::vector<PrintedWord> words)
{
    std::sort(words.begin(), words.end(),
              [](const PrintedWord& a, const PrintedWord& b) { return a.y < b.y; });
    std::vector<PrintedWord> starts;
    double lineTop = -1e9;
    for (const PrintedWord& word : words) {
        if (word.y - lineTop > 3.0) {
            lineTop = word.y;
            starts.push_back(word);
        } else if (word.x < starts.back().x) {
            starts.back() = word;
        }
    }
    return starts;
}

std::string Squeezed(const std::string& text)
{
    std::istringstream words(text);
    std::string squeezed;
    for (std::string word; words >> word;)
        squeezed += (squeezed.empty() ? "" : " ") + word;
    return squeezed;
}

class Print : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!jobs_.Usable())
            GTEST_SKIP() << jobs_.WhyNot();
    }
    PrintedJobs jobs_;
};

}  // namespace

TEST_F(Print, SixtyRowsAPageInAJobNamedTornwick)
{
    struct Case {
        int rows;
        int pages;
    };
    ReportWindow window;
    window.Run([&](HWND main) {
        for (Case c : {Case{60, 1}, Case{61, 2}, Case{120, 2}}) {
            SCOPED_TRACE(std::to_string(c.rows) + " rows");
            const std::vector<std::string> rows = NumberedRows(c.rows);
            const std::vector<PrintedPdf> pdfs = PrintRows(jobs_, main, rows);
            ASSERT_EQ(pdfs.size(), 1u);
            const PrintedPdf& pdf = pdfs[0];
            EXPECT_EQ(pdf.title, "TORNWICK");
            EXPECT_EQ(pdf.fileName.rfind("TORNWICK-job_", 0), 0u) << pdf.fileName;
            ASSERT_EQ(pdf.pages, c.pages);
            ASSERT_EQ(static_cast<int>(pdf.lines.size()), c.pages);
            for (int page = 0; page < c.pages; ++page) {
                const int first = page * 60;
                const int count = std::min(60, c.rows - first);
                const std::vector<std::string> expected(rows.begin() + first,
                                                        rows.begin() + first + count);
                std::vector<std::string> printed;
                for (const std::string& line : pdf.lines[page])
                    printed.push_back(Squeezed(line));
                EXPECT_EQ(printed, expected) << "page " << page + 1;
            }
            // Every page starts at the same place: a lone last row is at the
            // first row position, not where it would follow on.
            const auto firstPage = LineStarts(pdf.words.at(0));
            const auto lastPage = LineStarts(pdf.words.at(c.pages - 1));
            ASSERT_FALSE(firstPage.empty());
            ASSERT_FALSE(lastPage.empty());
            EXPECT_NEAR(lastPage.front().y, firstPage.front().y, 0.5);
            EXPECT_NEAR(lastPage.front().x, firstPage.front().x, 0.5);
        }
    });
}

// Rows go to the printer byte for byte, whatever the system's code page,
// and the print font's character set, Western (code page 1252), reads them:
// each byte one character, Latin-1 letters as themselves.  Run under code
// pages 932 and 65001 too (tests/print/CMakeLists.txt).
TEST_F(Print, RowsOfAnyBytesPrintAsThePrintFontReadsThem)
{
    if (const UINT asked = CodePageAskedFor()) {
        ASSERT_EQ(::GetACP(), asked) << "Wine did not take the locale's code page: scripts/setup generates it";
    }
    // Latin-1 letters, a middle dot, Japanese text in its own code page, and
    // lead bytes of the Japanese code page without a trail byte: none of
    // them UTF-8, and not all of them Japanese.
    const std::vector<std::string> rows = {
        "Couldn't find LoTW match for OH0: \xC5land Islands \xB7 Mariehamn in VELLUM",
        "MISMATCH -  20M:    JA: \x93\xFA\x96\x7B \x82          LoTW: [ ]   VELLUM: [*]",
        "Caf\xE9 \xC4\xD6\xDC\xE4\xF6\xFC\xDF \xE0\xE7\xF1 \xA9\xAE\xB0",
    };
    ReportWindow window;
    window.Run([&](HWND main) {
        const std::vector<PrintedPdf> pdfs = PrintRows(jobs_, main, rows);
        ASSERT_EQ(pdfs.size(), 1u);
        ASSERT_FALSE(pdfs[0].lines.empty());
        std::vector<std::string> expected;
        for (const std::string& row : rows)
            expected.push_back(Squeezed(ThroughCodePage(1252, row)));
        std::vector<std::string> printed;
        for (const std::string& line : pdfs[0].lines[0])
            printed.push_back(Squeezed(line));
        EXPECT_EQ(printed, expected);
    });
}

TEST_F(Print, CancellingTheDialogPrintsNothing)
{
    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, NumberedRows(3));
        jobs_.Snapshot();
        PendingClick print = ClickDlgItem(main, IDC_PRINT);
        HWND dialog = OpenPrintDialog(main);
        ASSERT_TRUE(dialog);
        PostButtonClick(dialog, IDCANCEL);
        ASSERT_TRUE(print.Wait());
        EXPECT_EQ(FindMessageBox(), nullptr);
    });
    EXPECT_TRUE(jobs_.Collect().empty());
}

TEST_F(Print, TheHelpButtonSendsTheHelpCommandAndLeavesTheDialogOpen)
{
    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, NumberedRows(3));
        PendingClick print = ClickDlgItem(main, IDC_PRINT);
        HWND dialog = OpenPrintDialog(main);
        ASSERT_TRUE(dialog);
        HWND help = ::GetDlgItem(dialog, pshHelp);
        ASSERT_TRUE(help && ::IsWindowVisible(help)) << "no Help button";

        const int before = HelpCommandsSeen();
        ASSERT_TRUE(Click(help).Wait());
        EXPECT_EQ(HelpCommandsSeen(), before + 1);
        EXPECT_TRUE(::IsWindowVisible(dialog));
        EXPECT_EQ(WaitForOwnedDialog(dialog, Timeout{500}), nullptr);

        PostButtonClick(dialog, IDCANCEL);
        ASSERT_TRUE(print.Wait());
    });
}

// The samples' report as the user prints it: compared in the window, then
// printed.  The first page is also kept as an image in the build tree.
TEST_F(Print, TheSamplesReportInAFixedPitchFontAtTheLeftMargin)
{
    std::string samples = TORNWICK_SAMPLES_DIR;
    std::replace(samples.begin(), samples.end(), '/', '\\');
    ReportWindow window;
    window.Run([&](HWND main) {
        {
            PendingClick browse = ClickDlgItem(main, IDC_BROWSE_HTML);
            ASSERT_TRUE(FillFileDialog("Input HTML File", samples + "\\lotw-credit-matrix.html"));
            ASSERT_TRUE(browse.Wait());
        }
        {
            PendingClick browse = ClickDlgItem(main, IDC_BROWSE_CSV);
            ASSERT_TRUE(FillFileDialog("Input CSV File", samples + "\\vellum-dxcc.csv"));
            ASSERT_TRUE(browse.Wait());
        }
        ASSERT_TRUE(ClickAndWait(main, IDC_COMPARE));
        const std::vector<std::string> rows = ReportWindow::ShownRows(main);
        ASSERT_FALSE(rows.empty());

        const std::vector<PrintedPdf> pdfs = PrintRows(jobs_, main, {});
        ASSERT_EQ(pdfs.size(), 1u);
        const PrintedPdf& pdf = pdfs[0];
        EXPECT_EQ(pdf.pages, static_cast<int>((rows.size() + 59) / 60));

        // Page 1 holds the first rows, up to 60; the empty ones print nothing.
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < std::min<std::size_t>(60, rows.size()); ++i)
            if (!Squeezed(rows[i]).empty())
                expected.push_back(Squeezed(rows[i]));
        std::vector<std::string> printed;
        for (const std::string& line : pdf.lines.at(0))
            if (!Squeezed(line).empty())
                printed.push_back(Squeezed(line));
        EXPECT_EQ(printed, expected);

        // Every row starts 200 printer dots in from the printable area's
        // left edge (after its own leading spaces), in a font whose
        // characters are all equally wide.
        HDC printer = ::CreateDCA(nullptr, PrintedJobs::kPrinter, nullptr, nullptr);
        ASSERT_TRUE(printer);
        const double dotsPerPoint = ::GetDeviceCaps(printer, LOGPIXELSX) / 72.0;
        const double margin = (200 + ::GetDeviceCaps(printer, PHYSICALOFFSETX)) / dotsPerPoint;
        const double rightEdge =
            (::GetDeviceCaps(printer, PHYSICALOFFSETX) + ::GetDeviceCaps(printer, HORZRES)) / dotsPerPoint;
        ::DeleteDC(printer);
        const std::vector<PrintedWord>& words = pdf.words.at(0);
        const double pitch =
            (words.at(0).right - words.at(0).x) / static_cast<double>(words.at(0).text.size());
        for (const PrintedWord& word : words)
            EXPECT_NEAR((word.right - word.x) / static_cast<double>(word.text.size()), pitch, 0.05) << word.text;
        std::vector<std::string> shownRows;
        for (std::size_t i = 0; i < std::min<std::size_t>(60, rows.size()); ++i)
            if (!Squeezed(rows[i]).empty())
                shownRows.push_back(rows[i]);
        const std::vector<PrintedWord> starts = LineStarts(words);
        ASSERT_EQ(starts.size(), shownRows.size());
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const double indent = pitch * static_cast<double>(shownRows[i].find_first_not_of(' '));
            EXPECT_NEAR(starts[i].x, margin + indent, 1.0) << shownRows[i];
        }
        // The rows are printed whole: nothing runs past the printable area
        // (the text of a cut row would still be in the PDF, off the page).
        for (const PrintedWord& word : words)
            EXPECT_LE(word.right, rightEdge + 0.5) << word.text;

        auto image = RunLinuxCommand(std::string("pdftoppm -f 1 -l 1 -r 100 -png -singlefile ") +
                                     ShellQuote(jobs_.Folder() + "/" + pdf.fileName) + " " +
                                     ShellQuote(TORNWICK_PAGE_IMAGE));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->status, 0) << image->output;
    });
}
