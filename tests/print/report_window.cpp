#include "report_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "framework/win_app.h"
#include "resources/resource.h"
#include "stdio_file.h"
#include "text_encoding.h"
#include "tornwick_dlg.h"

using namespace dialog_driver;

namespace {

int helpCommands = 0;

// The application object of the test program.  Like the program's own, its
// command table handles ID_HELP, which makes the Print dialog show a Help
// button; here the handler only counts.
class TestApp : public CWinApp {
public:
    static const MessageMap& ThisMessageMap()
    {
        static const MessageMapEntry entries[] = {
            OnCommand<&TestApp::OnHelpCommand>(ID_HELP),
        };
        static const MessageMap map{&CWinApp::ThisMessageMap, entries};
        return map;
    }
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }
    BOOL InitInstance() override { return FALSE; }

    void OnHelpCommand() { ++helpCommands; }
};

TestApp theApp;

// The main window, which also fills its result list with the rows a test
// sends (kShowRowsMessage, lParam: the rows), the way a comparison fills it.
class ReportDlg : public CtornwickDlg {
public:
    static constexpr UINT kShowRowsMessage = WM_APP + 100;

    static const MessageMap& ThisMessageMap()
    {
        static const MessageMapEntry entries[] = {
            OnMessage<&ReportDlg::OnShowRows>(kShowRowsMessage),
        };
        static const MessageMap map{&CtornwickDlg::ThisMessageMap, entries};
        return map;
    }
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

    void OnShowRows(WPARAM, LPARAM rows)
    {
        ShowReport([rows](ReportSink& sink) {
            sink.Clear();
            for (const std::string& row : *reinterpret_cast<const std::vector<std::string>*>(rows))
                sink.Append(row);
            return RunOutcome{};
        });
    }
};

}  // namespace

int HelpCommandsSeen()
{
    return helpCommands;
}

void ReportWindow::Run(const std::function<void(HWND main)>& script)
{
    ReportDlg dialog;
    theApp.m_pMainWnd = &dialog;
    RunWithDriver([&] { dialog.DoModal(); },
                  [&] {
                      HWND main = WaitForWindow(kDialogClass, kProgramCaption);
                      if (main)
                          script(main);
                      else
                          ADD_FAILURE() << "the main window did not appear";
                  });
    theApp.m_pMainWnd = nullptr;
}

void ReportWindow::ShowRows(HWND main, const std::vector<std::string>& rows)
{
    ::SendMessageW(main, ReportDlg::kShowRowsMessage, 0, reinterpret_cast<LPARAM>(&rows));
}

std::vector<std::string> ReportWindow::ShownRows(HWND main)
{
    return ReadListBoxUtf8(::GetDlgItem(main, IDC_RESULT_LIST));
}

std::vector<std::string> AsShown(const std::vector<std::string>& rows)
{
    std::vector<std::string> shown;
    for (const std::string& row : rows)
        shown.push_back(ThroughCodePage(CP_ACP, row));
    return shown;
}

std::vector<std::string> NumberedRows(int count)
{
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back("row " + std::to_string(i));
    return rows;
}

bool SaveAs(const std::string& name, int answer)
{
    HWND dialog = EnterFileName(kSaveDialogTitle, name);
    if (!dialog)
        return false;

    // Either the dialog closes, or it asks first whether to replace the file.
    HWND question = nullptr;
    if (!WaitUntil([&] { return !::IsWindow(dialog) || (question = FindOwnedDialog(dialog)) != nullptr; }))
        return false;
    if (!question)
        return true;
    PostButtonClick(question, answer);
    if (!WaitUntilGone(question))
        return false;
    return answer != IDYES || WaitUntilGone(dialog);
}

std::string FreshFolder(const std::string& name)
{
    // Backslashes throughout, as the file dialogs give paths back.
    std::string scratch = TORNWICK_SCRATCH_DIR;
    std::replace(scratch.begin(), scratch.end(), '/', '\\');
    std::string folder = scratch;
    ::CreateDirectoryW(WindowsFileName(folder).c_str(), nullptr);
    // Each folder of the name in turn, so that a name may be a path.
    for (std::size_t start = 0; start <= name.size();) {
        std::size_t end = name.find('\\', start);
        if (end == std::string::npos)
            end = name.size();
        folder += "\\" + name.substr(start, end - start);
        ::CreateDirectoryW(WindowsFileName(folder).c_str(), nullptr);
        start = end + 1;
    }
    for (const std::string& file : FilesIn(folder))
        ::DeleteFileW(WindowsFileName(folder + "\\" + file).c_str());
    return folder;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(WindowsFileName(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(Utf8FromWide(found.cFileName));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

bool ReadReport(const std::string& path, std::string& bytes)
{
    StdioFile file = OpenFile(path, "rb");
    if (!file)
        return false;
    bytes.clear();
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;)
        bytes.append(block, got);
    return !std::ferror(file.get());
}
