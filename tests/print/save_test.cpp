// Save, through the real Save dialog: the bytes of the file, the question
// before replacing a file, and the failures that must leave the user's file
// as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <utility>

#include "file_bytes.h"
#include "report_window.h"
#include "resources/resource.h"

using namespace dialog_driver;

namespace {

// Report rows are single-byte text, saved byte for byte whatever the
// system's code page: a middle dot, a Latin-1 letter, bytes that Windows'
// Western code page leaves undefined, and lead bytes of the Japanese one
// with no trail byte after them, none of them UTF-8.
const std::string kHighBytes = "Caf\xE9 \xB7 \x81\x8D\x8F\x90\x9D \xFF \x82";
const std::vector<std::string> kReport = {
    "Header line " + kHighBytes,
    "",
    "MISMATCH - 5B    Cyprus                        20M  *  LoTW .",
    "",
    "Summary " + std::string(300, '='),  // wider than the list on screen
    "",
};
const std::string kReportBytes = "Header line " + kHighBytes + "\r\n\r\n"
                                 "MISMATCH - 5B    Cyprus                        20M  *  LoTW .\r\n"
                                 "\r\nSummary " +
                                 std::string(300, '=') + "\r\n\r\n";

// Presses Save, answers the Save dialog and waits until the handler is done.
void SaveTo(HWND main, const std::string& name, int answer = IDYES)
{
    PendingClick save = ClickDlgItem(main, IDC_SAVE);
    EXPECT_TRUE(SaveAs(name, answer));
    EXPECT_TRUE(save.Wait());
}

// Presses Save into a target that cannot be written, and checks the
// message: the path, then the system's reason.
void SaveFails(HWND main, const std::string& path)
{
    PendingClick save = ClickDlgItem(main, IDC_SAVE);
    ASSERT_TRUE(SaveAs(path));
    auto box = WaitForMessageBox();
    ASSERT_TRUE(box) << "no message for " << path;
    const std::string start = "ERROR:  Could not save the report to " + path + ".\n\n";
    EXPECT_EQ(box->text.rfind(start, 0), 0u) << box->text;
    EXPECT_GT(box->text.size(), start.size() + 5) << box->text;
    EXPECT_TRUE(box->stopIcon);
    EXPECT_EQ(box->owner, main);
    DismissMessageBox(*box);
    EXPECT_TRUE(save.Wait());
}

}  // namespace

// Run under code pages 932 and 65001 too (tests/print/CMakeLists.txt).
TEST(Save, WritesEveryRowWithCrLfAndAddsTxtToABareName)
{
    if (const UINT asked = CodePageAskedFor()) {
        ASSERT_EQ(::GetACP(), asked) << "Wine did not take the locale's code page: scripts/setup generates it";
    }
    const std::string folder = FreshFolder("save-bytes");
    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, kReport);
        SaveTo(main, folder + "\\report");
        EXPECT_EQ(ReportWindow::ShownRows(main), AsShown(kReport));
    });
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(folder + "\\report.txt", bytes));
    EXPECT_EQ(bytes, kReportBytes);
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"report.txt"});
}

TEST(Save, AsksBeforeReplacingAFile)
{
    const std::string folder = FreshFolder("save-replace");
    const std::string path = folder + "\\old.txt";
    const std::string oldBytes(5000, 'x');
    ASSERT_TRUE(WriteFileBytes(path, oldBytes));

    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, kReport);

        // "No" goes back to the dialog; cancelling it then writes nothing.
        PendingClick save = ClickDlgItem(main, IDC_SAVE);
        ASSERT_TRUE(SaveAs(path, IDNO));
        ASSERT_TRUE(CancelFileDialog(kSaveDialogTitle));
        ASSERT_TRUE(save.Wait());
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(path, bytes));
        EXPECT_EQ(bytes, oldBytes);

        SaveTo(main, path, IDYES);
    });
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes, kReportBytes);  // the new report only, nothing of the old file
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"old.txt"});
}

TEST(Save, CancellingTheDialogWritesNothing)
{
    const std::string folder = FreshFolder("save-cancel");
    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, kReport);
        PendingClick save = ClickDlgItem(main, IDC_SAVE);
        ASSERT_TRUE(CancelFileDialog(kSaveDialogTitle, folder));
        ASSERT_TRUE(save.Wait());
        EXPECT_EQ(FindMessageBox(), nullptr);
    });
    EXPECT_TRUE(FilesIn(folder).empty());
}

TEST(Save, NamesInAnyScript)
{
    const std::string folder = FreshFolder(std::string("save-names\\") + kNameInEveryScript);
    const std::string name = folder + "\\\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x93\xA1";
    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, kReport);
        SaveTo(main, name);
    });
    std::string bytes;
    ASSERT_TRUE(ReadReport(name + ".txt", bytes));
    EXPECT_EQ(bytes, kReportBytes);
    EXPECT_EQ(FilesIn(folder).size(), 1u) << "no temporary file is left behind";
}

TEST(Save, AFileThatCannotBeWrittenIsReportedAndLeftAsItWas)
{
    const std::string folder = FreshFolder("save-fail");
    const std::string locked = folder + "\\locked.txt";
    const std::string lockedBytes = "the user's file\r\n";
    ASSERT_TRUE(WriteFileBytes(locked, lockedBytes));

    ReportWindow window;
    window.Run([&](HWND main) {
        ReportWindow::ShowRows(main, kReport);

        // Another program holds the file open and shares it with nobody.
        HANDLE holder = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        SaveFails(main, locked);
        // Held only for a moment once the new report is written, as a virus
        // scanner would hold it: the save waits and succeeds.
        std::thread release([&] {
            WaitUntil([&] { return FilesIn(folder).size() > 1; });
            ::Sleep(300);
            ::CloseHandle(holder);
        });
        SaveTo(main, locked);
        release.join();
        std::string saved;
        ASSERT_TRUE(ReadFileBytes(locked, saved));
        EXPECT_EQ(saved, kReportBytes);
        ASSERT_TRUE(WriteFileBytes(locked, lockedBytes));

        SaveFails(main, folder + "\\no such folder\\report.txt");
        EXPECT_EQ(ReportWindow::ShownRows(main), AsShown(kReport));
    });
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(locked, bytes));
    EXPECT_EQ(bytes, lockedBytes);
    // No temporary file is left behind.
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"locked.txt"});
}

// Saved onto the listing or the page just compared, by any name, after the
// question whether to replace it: refused, and the file left as it was.
TEST(Save, NeverOverTheComparedFiles)
{
    const std::string folder = FreshFolder("save-inputs");
    std::string samples = TORNWICK_SAMPLES_DIR;
    std::replace(samples.begin(), samples.end(), '/', '\\');
    std::string page;
    std::string listing;
    ASSERT_TRUE(ReadFileBytes(samples + "\\lotw-credit-matrix.html", page));
    ASSERT_TRUE(ReadFileBytes(samples + "\\vellum-dxcc.csv", listing));
    ASSERT_TRUE(WriteFileBytes(folder + "\\page.html", page));
    ASSERT_TRUE(WriteFileBytes(folder + "\\dxcc.csv", listing));

    ReportWindow window;
    window.Run([&](HWND main) {
        ASSERT_TRUE(ClickAndFillFileDialog(main, IDC_BROWSE_HTML, "Input HTML File", folder + "\\page.html"));
        ASSERT_TRUE(ClickAndFillFileDialog(main, IDC_BROWSE_CSV, "Input CSV File", folder + "\\dxcc.csv"));
        ASSERT_TRUE(ClickAndWait(main, IDC_COMPARE));
        const std::pair<std::string, const char*> inputs[] = {
            {folder + "\\dxcc.csv", "VELLUM listing"},
            {folder + "\\..\\save-inputs\\page.html", "LoTW page"},
        };
        for (const auto& [name, what] : inputs) {
            PendingClick save = ClickDlgItem(main, IDC_SAVE);
            ASSERT_TRUE(SaveAs(name, IDYES));
            auto box = WaitForMessageBox();
            ASSERT_TRUE(box) << "no message for " << name;
            EXPECT_EQ(box->text.rfind("ERROR:  The report was not saved: ", 0), 0u) << box->text;
            EXPECT_NE(box->text.find(std::string(" is the ") + what + " compared."), std::string::npos) << box->text;
            EXPECT_TRUE(box->stopIcon);
            DismissMessageBox(*box);
            EXPECT_TRUE(save.Wait());
        }
    });
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(folder + "\\dxcc.csv", bytes));
    EXPECT_TRUE(bytes == listing) << "the listing was written over";
    ASSERT_TRUE(ReadFileBytes(folder + "\\page.html", bytes));
    EXPECT_TRUE(bytes == page) << "the page was written over";
    EXPECT_EQ(FilesIn(folder).size(), 2u);
}

TEST(SaveAndPrint, AnEmptyListGivesAMessageAndNoDialog)
{
    ReportWindow window;
    window.Run([&](HWND main) {
        for (auto [button, text] : {std::pair{IDC_SAVE, "ERROR:  Nothing to save."},
                                    std::pair{IDC_PRINT, "ERROR:  Nothing to print."}}) {
            PendingClick click = ClickDlgItem(main, button);
            auto box = WaitForMessageBox();
            ASSERT_TRUE(box);
            EXPECT_EQ(box->text, text);
            EXPECT_TRUE(box->stopIcon);
            EXPECT_EQ(box->owner, main);
            EXPECT_EQ(FindWindowByCaption(kDialogClass, kSaveDialogTitle), nullptr);
            EXPECT_EQ(FindWindowByCaption(kDialogClass, kPrintDialogTitle), nullptr);
            DismissMessageBox(*box);
            EXPECT_TRUE(click.Wait());
        }
    });
}
