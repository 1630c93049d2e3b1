#include "dialog_driver.h"

#include <dlgs.h>

#include <commdlg.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace dialog_driver {

namespace {

constexpr Timeout kPoll{20};

// UTF-8 and the wide text of windows.
std::wstring Widen(const std::string& utf8)
{
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::string ToUtf8(const std::wstring& wide)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                          nullptr);
    return utf8;
}

std::string ThroughCodePage(UINT codePage, const std::string& bytes)
{
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return ToUtf8(wide);
}

UINT CodePageAskedFor()
{
    const char* asked = std::getenv("TORNWICK_TEST_CODE_PAGE");
    return asked ? static_cast<UINT>(std::strtoul(asked, nullptr, 10)) : 0;
}

namespace {

std::atomic<DWORD> drivenProcess{::GetCurrentProcessId()};

struct Search {
    const std::function<bool(HWND)>* matches;
    DWORD process;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if ((search.process && process != search.process) || !::IsWindowVisible(window))
        return TRUE;
    if (!(*search.matches)(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

// A visible top-level window of the driven process for which matches holds.
HWND FindTopLevelWindow(const std::function<bool(HWND)>& matches)
{
    Search search{&matches, drivenProcess, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter)
{
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    ::EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

// Closes every visible window of the thread, innermost first, until none is
// left or the timeout passes.
void CloseThreadWindows(DWORD thread)
{
    WaitUntil([thread] {
        std::vector<HWND> windows;
        ::EnumThreadWindows(thread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
        bool open = false;
        for (HWND window : windows) {
            if (!::IsWindowVisible(window))
                continue;
            open = true;
            if (::IsWindowEnabled(window))
                ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
        return !open;
    }, Timeout{30000});
}

// The file-name field of an Open or Save dialog: a combo box in the
// current dialog style, an edit field in some older ones.
HWND FileNameField(HWND dialog)
{
    for (int id : {cmb13, edt1}) {
        if (HWND field = ::GetDlgItem(dialog, id); field && ::IsWindowVisible(field))
            return field;
    }
    return nullptr;
}

}  // namespace

void RunWithDriver(const std::function<void()>& modalRun, const std::function<void()>& script)
{
    const DWORD uiThread = ::GetCurrentThreadId();
    std::thread driver([&script, uiThread] {
        script();
        CloseThreadWindows(uiThread);
    });
    modalRun();
    driver.join();
}

bool WaitUntil(const std::function<bool()>& condition, Timeout timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPoll);
    }
}

void DriveProcess(DWORD processId)
{
    drivenProcess = processId;
}

HWND FindWindowByCaption(const char* className, const std::string& caption)
{
    return FindTopLevelWindow([&](HWND window) {
        return ClassName(window) == className && WindowText(window) == caption;
    });
}

HWND FindMessageBox(const std::string& caption)
{
    return FindTopLevelWindow([&](HWND window) {
        return ::GetWindow(window, GW_OWNER) != nullptr && ClassName(window) == kDialogClass &&
               WindowText(window) == caption;
    });
}

HWND FindOwnedDialog(HWND owner)
{
    return FindTopLevelWindow([owner](HWND window) {
        return ::GetWindow(window, GW_OWNER) == owner && ClassName(window) == kDialogClass;
    });
}

HWND WaitForOwnedDialog(HWND owner, Timeout timeout)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwnedDialog(owner)) != nullptr; }, timeout);
    return found;
}

HWND WaitForWindow(const char* className, const std::string& caption, Timeout timeout)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowByCaption(className, caption)) != nullptr; }, timeout);
    return found;
}

bool WaitUntilGone(HWND window, Timeout timeout)
{
    return WaitUntil([window] { return !::IsWindow(window); }, timeout);
}

std::string WindowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText, which cannot read the text of
    // another thread's controls.
    const auto length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return ToUtf8(text);
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

struct PendingClick::State {
    std::thread sender;
    std::atomic<bool> done{false};
};

PendingClick::PendingClick(HWND button) : state_(std::make_shared<State>())
{
    state_->sender = std::thread([button, state = state_] {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &ignored);
        state->done = true;
    });
}

PendingClick::~PendingClick()
{
    if (!state_)
        return;
    // A click whose handler never returned must not hang the test; its
    // sender gives up by itself after its own timeout.
    if (state_->done)
        state_->sender.join();
    else
        state_->sender.detach();
}

bool PendingClick::Wait(Timeout timeout)
{
    return WaitUntil([this] { return state_->done.load(); }, timeout);
}

PendingClick Click(HWND button)
{
    return PendingClick(button);
}

PendingClick ClickDlgItem(HWND dialog, int id)
{
    return PendingClick(::GetDlgItem(dialog, id));
}

bool ClickAndWait(HWND dialog, int id, Timeout timeout)
{
    return ClickDlgItem(dialog, id).Wait(timeout);
}

void PressKey(HWND window, WORD virtualKey)
{
    const UINT scan = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    ::PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

bool SendKeyStrokes(const std::vector<KeyStroke>& strokes)
{
    std::vector<INPUT> inputs(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = strokes[i].key;
        inputs[i].ki.dwFlags = strokes[i].down ? 0 : KEYEVENTF_KEYUP;
    }
    const auto count = static_cast<UINT>(inputs.size());
    return ::SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

bool SendKeyStrokesUntil(const std::vector<KeyStroke>& strokes, const std::function<bool()>& done)
{
    std::vector<KeyStroke> release;
    for (auto stroke = strokes.rbegin(); stroke != strokes.rend(); ++stroke)
        release.push_back({stroke->key, false});
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!SendKeyStrokes(strokes))
            return false;
        if (WaitUntil(done, Timeout{3000}))
            return true;
        SendKeyStrokes(release);
    }
    return false;
}

HWND WaitForPopupMenu(Timeout timeout)
{
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = FindTopLevelWindow([](HWND window) { return ClassName(window) == "#32768"; })) != nullptr; },
              timeout);
    return popup;
}

HMENU PopupMenuOf(HWND popup)
{
    return reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
}

std::optional<MessageBoxInfo> WaitForMessageBox(const std::string& caption, Timeout timeout)
{
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox(caption)) != nullptr; }, timeout))
        return std::nullopt;
    MessageBoxInfo info;
    info.window = box;
    info.caption = caption;
    info.owner = ::GetWindow(box, GW_OWNER);
    const HICON stop = ::LoadIcon(nullptr, IDI_HAND);
    for (HWND child : ChildWindows(box)) {
        if (ClassName(child) != "Static")
            continue;
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            info.stopIcon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0)) == stop;
        } else if (::GetDlgCtrlID(child) == 0xFFFF) {
            info.text = WindowText(child);
        }
    }
    return info;
}

void PostButtonClick(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

bool DismissMessageBox(const MessageBoxInfo& box, int buttonId)
{
    PostButtonClick(box.window, buttonId);
    return WaitUntilGone(box.window);
}

HWND EnterFileName(const std::string& title, const std::string& path, Timeout timeout)
{
    HWND dialog = WaitForWindow(kDialogClass, title, timeout);
    HWND field = nullptr;
    if (!dialog || !WaitUntil([&] { return (field = FileNameField(dialog)) != nullptr; }, timeout))
        return nullptr;
    const std::wstring name = Widen(path);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostButtonClick(dialog, IDOK);
    return dialog;
}

bool FillFileDialog(const std::string& title, const std::string& path, Timeout timeout)
{
    HWND dialog = EnterFileName(title, path, timeout);
    return dialog && WaitUntilGone(dialog, timeout);
}

bool ClickAndFillFileDialog(HWND dialog, int buttonId, const std::string& title,
                            const std::string& path, Timeout timeout)
{
    PendingClick click = ClickDlgItem(dialog, buttonId);
    const bool filled = FillFileDialog(title, path, timeout);
    return filled && click.Wait(timeout);
}

bool CancelFileDialog(const std::string& title, const std::string& folder, Timeout timeout)
{
    HWND dialog = WaitForWindow(kDialogClass, title, timeout);
    if (!dialog)
        return false;
    if (!folder.empty()) {
        // A folder's path typed as the file name opens that folder.
        if (!EnterFileName(title, folder, timeout))
            return false;
        const auto lower = [](std::string text) {
            std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
            return text;
        };
        const bool opened = WaitUntil([&] {
            std::wstring shown(32768, L'\0');
            const auto length = ::SendMessageW(dialog, CDM_GETFOLDERPATH, shown.size(),
                                               reinterpret_cast<LPARAM>(shown.data()));
            shown.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
            return lower(ToUtf8(shown)) == lower(folder);
        }, timeout);
        if (!opened)
            return false;
    }
    PostButtonClick(dialog, IDCANCEL);
    return WaitUntilGone(dialog, timeout);
}

namespace {

// A list box's row, read with the ANSI messages (char: the bytes) or the
// wide ones (wchar_t).
template <class Char>
std::basic_string<Char> ListRow(HWND list, LRESULT index)
{
    constexpr bool kAnsi = std::is_same_v<Char, char>;
    const auto send = kAnsi ? ::SendMessageA : ::SendMessageW;
    const auto length = send(list, LB_GETTEXTLEN, index, 0);
    std::basic_string<Char> row(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, Char{});
    const auto copied = send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(row.data()));
    row.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return row;
}

}  // namespace

std::vector<std::string> ReadListBox(HWND list)
{
    std::vector<std::string> rows;
    for (LRESULT i = 0, count = ::SendMessageA(list, LB_GETCOUNT, 0, 0); i < count; ++i)
        rows.push_back(ListRow<char>(list, i));
    return rows;
}

std::vector<std::string> ReadListBoxUtf8(HWND list)
{
    std::vector<std::string> rows;
    for (LRESULT i = 0, count = ::SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i)
        rows.push_back(ToUtf8(ListRow<wchar_t>(list, i)));
    return rows;
}

ReplacedWindowProc::ReplacedWindowProc(HWND window, WNDPROC procedure, WNDPROC& original)
    : window_(window),
      original_(reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure))))
{
    original = original_;
}

ReplacedWindowProc::~ReplacedWindowProc()
{
    ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

}  // namespace dialog_driver
