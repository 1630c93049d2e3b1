#include "win_app.h"

#include <shellapi.h>

#include <vector>

#include "format.h"
#include "text_encoding.h"
#include "wnd.h"

namespace {
CWinApp* theApplication = nullptr;

// The folder part of a path, with its last separator.
std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

CWinApp::CWinApp()
{
    theApplication = this;
}

CWinApp::~CWinApp()
{
    if (theApplication == this)
        theApplication = nullptr;
}

std::string CWinApp::AppName() const
{
    const std::string path = AfxGetModuleFileName();
    const std::string name = path.substr(FolderOf(path).size());
    const auto dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string CWinApp::HelpFilePath() const
{
    return FolderOf(AfxGetModuleFileName()) + m_strHelpPageName;
}

void CWinApp::OnHelp()
{
    const std::wstring page = WideFromUtf8(HelpFilePath());
    // Started from inside a zip, a program may be all there is of its
    // package: a browser would be no help then.
    if (::GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const std::string folder = FolderOf(AfxGetModuleFileName());
        AfxMessageBox(Format("ERROR:  The help page %s is not in the folder %s.\n\n%s", m_strHelpPageName.c_str(),
                             folder.substr(0, folder.size() - (folder.empty() ? 0 : 1)).c_str(),
                             m_strHelpPageMissing.c_str()),
                      MB_ICONSTOP);
        return;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        AfxMessageBox("ERROR:  Could not start web browser.", MB_ICONSTOP);
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

CWnd* AfxGetMainWnd()
{
    return theApplication ? theApplication->m_pMainWnd : nullptr;
}

std::string AfxGetModuleFileName()
{
    // Paths may be longer than MAX_PATH; grow until the name fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string AfxLoadString(UINT id)
{
    // With a zero buffer size, LoadStringW hands back a pointer to the
    // resource's own text and its length.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return Utf8FromWide(std::wstring_view(text, static_cast<std::size_t>(length)));
}

int AfxMessageBox(const std::string& text, UINT type)
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->GetSafeHwnd() : nullptr;
    const std::string caption = theApplication ? theApplication->AppName() : std::string();
    return ::MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(), type);
}

int AfxWinMain()
{
    if (!theApplication)
        return 1;
    theApplication->InitInstance();
    return 0;
}
