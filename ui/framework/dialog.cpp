#include "dialog.h"

#include <algorithm>
#include <utility>

#include "win_app.h"

namespace {

// The dialogs running modally on this thread, innermost last, and the hook
// that shows their loops' messages to PreTranslateMessage.  The dialog
// manager calls the hook (WH_MSGFILTER, MSGF_DIALOGBOX) for every message
// before it handles it.
thread_local std::vector<CDialog*> modalDialogs;
thread_local HHOOK modalLoopHook = nullptr;

class ModalRun {
public:
    ModalRun(CDialog& dialog, HOOKPROC filter)
    {
        if (modalDialogs.empty())
            modalLoopHook = ::SetWindowsHookExW(WH_MSGFILTER, filter, nullptr, ::GetCurrentThreadId());
        modalDialogs.push_back(&dialog);
    }
    ~ModalRun()
    {
        modalDialogs.pop_back();
        if (modalDialogs.empty() && modalLoopHook)
            ::UnhookWindowsHookEx(std::exchange(modalLoopHook, nullptr));
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;
};

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.GetSafeHwnd())
        return;
    CDialog& dialog = *pDX->m_pDlgWnd;
    control.Attach(dialog.GetDlgItem(id));
    if (control.GetSafeHwnd())
        dialog.m_boundControls.push_back(&control);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    DetachControls();
}

const MessageMap& CDialog::ThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        OnCommand<&CDialog::OnOK>(IDOK),
        OnCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map{&CWnd::ThisMessageMap, entries};
    return map;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != this)
            owner = main->GetSafeHwnd();
    }
    const ModalRun run(*this, ModalLoopFilter);
    // The wide form makes the dialog and its controls Unicode windows.
    return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

LRESULT CALLBACK CDialog::ModalLoopFilter(int code, WPARAM wParam, LPARAM lParam)
{
    // Only the innermost dialog is enabled, and only its own messages are
    // its business (not those of a message box or file dialog over it).
    if (code == MSGF_DIALOGBOX && !modalDialogs.empty()) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        CDialog& dialog = *modalDialogs.back();
        const HWND window = dialog.m_hWnd;
        if (window && (message.hwnd == window || ::IsChild(window, message.hwnd)) &&
            dialog.PreTranslateMessage(message))
            return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CDialog::PreTranslateMessage(const MSG&)
{
    return false;
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange exchange(*this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnPaint()
{
    Default();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        return self->HandleInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self)
        return FALSE;  // messages before WM_INITDIALOG
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        self->DetachControls();
        self->m_hWnd = nullptr;
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleInitDialog()
{
    RECT before{};
    ::GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();
    RECT after{};
    ::GetWindowRect(m_hWnd, &after);
    if (::EqualRect(&before, &after))
        CenterWindow();
    return result;
}

// Messages whose answer the dialog procedure returns itself; every other
// answer goes through DWLP_MSGRESULT.
static bool AnswersDirectly(UINT message)
{
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage outer = m_current;  // handlers may run nested loops
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    const bool handled = RouteMessage(message, wParam, lParam, result);
    m_current = outer;
    // The dialog manager rescales the template for a new DPI itself, after
    // the handler has seen the change.
    if (!handled || message == WM_DPICHANGED)
        return FALSE;
    if (AnswersDirectly(message))
        return result;
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void CDialog::CenterWindow()
{
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);

    // The work area of the monitor the dialog is on (no task bar).
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork;

    RECT centre = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &centre);

    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (centre.left + centre.right - width) / 2;
    int y = (centre.top + centre.bottom - height) / 2;
    // Keep the whole dialog, or at least its top-left corner, on the screen.
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::DetachControls()
{
    for (CWnd* control : m_boundControls)
        control->Detach();
    m_boundControls.clear();
}
