#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "file_bytes.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "text_encoding.h"
#include "tornwick_dlg.h"

using namespace dialog_driver;

CtornwickApp theApp;

namespace {

std::string ModuleFolder()
{
    std::string path = AfxGetModuleFileName();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string TemporaryName(const char* prefix)
{
    char folder[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof folder, folder);
    char name[MAX_PATH + 1] = {};
    ::GetTempFileNameA(folder, prefix, 0, name);
    return name;
}

}  // namespace

std::string TestFile(const std::string& relativePath)
{
    return ModuleFolder() + relativePath;
}

TemporaryCopy::TemporaryCopy(const std::string& source, const std::string& name)
    : folder_(TemporaryName("twk"))
{
    // GetTempFileName made a file; a folder of that name takes its place.
    ::DeleteFileA(folder_.c_str());
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "\\" + name;
    if (const auto slash = name.rfind('\\'); slash != std::string::npos) {
        subfolder_ = folder_ + "\\" + name.substr(0, slash);
        ::CreateDirectoryW(WideFromUtf8(subfolder_).c_str(), nullptr);
    }
    ::CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(path_).c_str(), FALSE);
}

TemporaryCopy::~TemporaryCopy()
{
    ::DeleteFileW(WideFromUtf8(path_).c_str());
    if (!subfolder_.empty())
        ::RemoveDirectoryW(WideFromUtf8(subfolder_).c_str());
    ::RemoveDirectoryA(folder_.c_str());
}

bool MainWindow::Choose(int buttonId, const char* dialogTitle, const std::string& path)
{
    return ClickAndFillFileDialog(window_, buttonId, dialogTitle, path);
}

bool MainWindow::ChooseHtml(const std::string& path)
{
    return Choose(IDC_BROWSE_HTML, "Input HTML File", path);
}

bool MainWindow::ChooseCsv(const std::string& path)
{
    return Choose(IDC_BROWSE_CSV, "Input CSV File", path);
}

bool MainWindow::CancelChoosingHtml()
{
    PendingClick click = ClickDlgItem(window_, IDC_BROWSE_HTML);
    const bool cancelled = CancelFileDialog("Input HTML File");
    return cancelled && click.Wait();
}

bool MainWindow::Compare()
{
    return ClickAndWait(window_, IDC_COMPARE);
}

std::optional<std::string> MainWindow::ButtonMessage(int buttonId)
{
    PendingClick click = ClickDlgItem(window_, buttonId);
    const std::optional<MessageBoxInfo> box = WaitForMessageBox();
    if (!box) {
        ADD_FAILURE() << "no message box appeared";
        return std::nullopt;
    }
    EXPECT_TRUE(box->stopIcon) << box->text;
    EXPECT_EQ(box->owner, window_) << box->text;
    EXPECT_FALSE(::IsWindowEnabled(window_)) << "the message box is modal to the main window";
    EXPECT_TRUE(DismissMessageBox(*box));
    EXPECT_TRUE(click.Wait());
    return box->text;
}

std::vector<std::string> MainWindow::FileRows(int listId) const
{
    return ReadListBoxUtf8(Item(listId));
}

std::vector<std::string> MainWindow::ResultRows() const
{
    return ReadListBox(Item(IDC_RESULT_LIST));
}

INT_PTR RunMainWindow(const std::function<void(MainWindow&)>& script)
{
    CtornwickDlg dialog;
    theApp.m_pMainWnd = &dialog;
    INT_PTR result = 0;
    RunWithDriver([&] { result = dialog.DoModal(); },
                  [&] {
                      HWND window = WaitForWindow(kDialogClass, kProgramCaption);
                      ASSERT_NE(window, nullptr) << "the main window did not open";
                      MainWindow main(window);
                      script(main);
                  });
    theApp.m_pMainWnd = nullptr;
    return result;
}
