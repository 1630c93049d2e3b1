#include "win_app.h"

#include <shellapi.h>

#include <vector>

#include "wnd.h"

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp()
{
    theApplication = this;
}

CWinApp::~CWinApp()
{
    if (theApplication == this)
        theApplication = nullptr;
}

const std::string& CWinApp::AppName() const
{
    if (m_appName.empty()) {
        std::string name = AfxGetModuleFileName();
        const auto slash = name.find_last_of("\\/:");
        if (slash != std::string::npos)
            name.erase(0, slash + 1);
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > 0)
            name.erase(dot);
        m_appName = name;
    }
    return m_appName;
}

std::string CWinApp::HelpFilePath() const
{
    std::string path = AfxGetModuleFileName();
    const auto slash = path.find_last_of("\\/:");
    path.erase(slash == std::string::npos ? 0 : slash + 1);
    return path + AppName() + "-help.html";
}

void CWinApp::OnHelp()
{
    const std::string page = HelpFilePath();
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        AfxMessageBox("ERROR:  Could not open the help page " + page + ".", MB_ICONSTOP);
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

CWnd* AfxGetMainWnd()
{
    return theApplication ? theApplication->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

std::string AfxGetModuleFileName()
{
    // Paths may be longer than MAX_PATH; grow until the name fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string AfxLoadString(UINT id)
{
    std::vector<char> buffer(256);
    for (;;) {
        const int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0)
            return {};
        // A string that filled the buffer may have been cut short.
        if (static_cast<std::size_t>(length) + 1 < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

int AfxMessageBox(const std::string& text, UINT type)
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->GetSafeHwnd() : nullptr;
    const std::string caption = theApplication ? theApplication->AppName() : std::string();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->InitInstance();
    return 0;
}
