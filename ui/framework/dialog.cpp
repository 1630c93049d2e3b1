#include "dialog.h"

#include <algorithm>

#include "win_app.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.GetSafeHwnd())
        return;
    CDialog& dialog = *pDX->m_pDlgWnd;
    control.Attach(dialog.GetDlgItem(id));
    if (control.GetSafeHwnd())
        dialog.m_boundControls.push_back(&control);
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
    m_bModalEnded = false;
    m_nModalResult = -1;
    // The wide form makes the dialog and its controls Unicode windows.
    const HWND window = ::CreateDialogParam(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDTemplate), owner,
                                            DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window)
        return -1;
    // The owner takes no input while the dialog runs.
    const bool disabledOwner = owner && ::IsWindowEnabled(owner) && !m_bModalEnded;
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);
    if (!m_bModalEnded && !::IsWindowVisible(window))
        ::ShowWindow(window, SW_SHOWNORMAL);
    RunModalLoop();
    // The owner first, so that it is activated as the dialog goes.
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    MSG message{};
    while (!m_bModalEnded) {
        const BOOL got = ::GetMessage(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
            return;
        }
        const bool ours = message.hwnd == m_hWnd || ::IsChild(m_hWnd, message.hwnd);
        if (ours && (PreTranslateMessage(message) ||
                     (m_hAccelTable && ::TranslateAccelerator(m_hWnd, m_hAccelTable, &message))))
            continue;
        if (!::IsDialogMessage(m_hWnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessage(&message);
        }
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        RECT before{};
        ::GetWindowRect(window, &before);
        const BOOL result = self->OnInitDialog();
        RECT after{};
        ::GetWindowRect(window, &after);
        if (::EqualRect(&before, &after))
            self->CenterWindow();  // unless OnInitDialog placed it
        return result;
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self)
        return FALSE;  // messages before WM_INITDIALOG
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        self->DetachControls();
        self->m_hWnd = nullptr;
        self->m_bModalEnded = true;
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}

// Messages whose answer the dialog procedure returns itself; every other
// answer goes through DWLP_MSGRESULT.
static bool AnswersDirectly(UINT message)
{
    return message == WM_CHARTOITEM || message == WM_COMPAREITEM || message == WM_QUERYDRAGICON ||
           message == WM_VKEYTOITEM || (message >= WM_CTLCOLOREDIT && message <= WM_CTLCOLORSTATIC);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const bool handled = RouteMessage(message, wParam, lParam, result);
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
