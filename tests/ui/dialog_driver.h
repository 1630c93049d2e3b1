// dialog_driver.h - drives the program's real windows from a second thread,
// as a user would: find a window, fill a file dialog, click, read and dismiss
// a message box, read a list box.
//
// The window under test runs modally on the test's main thread; the script
// runs on a driver thread:
//
//     RunWithDriver([&] { dialog.DoModal(); }, [&] {
//         HWND main = WaitForWindow("#32770", "tornwick");
//         ClickDlgItem(main, IDC_BROWSE_HTML);
//         ASSERT_TRUE(FillFileDialog("Input HTML File", path));
//         ...
//     });
//
// Every wait has a timeout, so a test fails instead of hanging; whatever the
// script leaves open is closed afterwards so that the modal run returns.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace dialog_driver {

using Timeout = std::chrono::milliseconds;
constexpr Timeout kTimeout{15000};

// The dialog class of dialogs and message boxes.
constexpr const char* kDialogClass = "#32770";

// A name in four scripts: Latin-1 beyond ASCII, Cyrillic, CJK, and a
// character outside the Basic Multilingual Plane (a UTF-16 surrogate pair).
constexpr const char* kNameInEveryScript = "\xC3\x85lesund \xD0\x96\xD1\x83\xD0\xBA \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x93\xA1";

// The caption of the main window and of every message box the program shows
// (the program file's name; the test programs are named like the program).
constexpr const char* kProgramCaption = "tornwick";

// Runs modalRun on this thread and script on a driver thread.  After the
// script returns, every window the script left open is closed (innermost
// first, by IDCANCEL), so modalRun returns.
void RunWithDriver(const std::function<void()>& modalRun, const std::function<void()>& script);

// Polls condition until it holds or the timeout passes.
bool WaitUntil(const std::function<bool()>& condition, Timeout timeout = kTimeout);

// Which process's windows the functions below look for: this process unless
// told otherwise (a driver of another program passes that program's id, or
// 0 for any process).
void DriveProcess(DWORD processId);

// Window texts are UTF-8 here: they are read and written with the wide
// messages, so that a file name in any script comes through whole.

// Wide text as UTF-8.
std::string ToUtf8(const std::wstring& wide);
// Bytes as the code page reads them (CP_ACP: the system's), in UTF-8.
std::string ThroughCodePage(UINT codePage, const std::string& bytes);

// The system code page the test run asks for, which Wine takes from the
// locale: TORNWICK_TEST_CODE_PAGE, set by the runs under other locales; 0
// when the run asks for none.
UINT CodePageAskedFor();

// A visible top-level window of the driven process with that class and
// caption.
HWND FindWindowByCaption(const char* className, const std::string& caption);
// The same, waiting for it to appear; nullptr after the timeout.
HWND WaitForWindow(const char* className, const std::string& caption, Timeout timeout = kTimeout);
// A visible dialog of the driven process owned by the given window (the
// question a dialog asks, say), and the same, waiting for it to appear.
HWND FindOwnedDialog(HWND owner);
HWND WaitForOwnedDialog(HWND owner, Timeout timeout = kTimeout);
// Waits until the window no longer exists.
bool WaitUntilGone(HWND window, Timeout timeout = kTimeout);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A click sent from a helper thread, so that the driver is not blocked while
// the click's handler runs (it may show a modal dialog the driver must
// answer).  Wait returns true once the handler has returned.
class PendingClick {
public:
    explicit PendingClick(HWND button);
    ~PendingClick();
    PendingClick(PendingClick&&) = default;
    PendingClick& operator=(PendingClick&&) = delete;

    bool Wait(Timeout timeout = kTimeout);

private:
    struct State;
    std::shared_ptr<State> state_;
};

[[nodiscard]] PendingClick Click(HWND button);
[[nodiscard]] PendingClick ClickDlgItem(HWND dialog, int id);
// Clicks and waits until the handler has returned.
bool ClickAndWait(HWND dialog, int id, Timeout timeout = kTimeout);

// Posts a click of the dialog's button with that id, as its keyboard
// shortcut would; returns at once.
void PostButtonClick(HWND dialog, int id);

// Posts a key press (down and up) to the window, as the keyboard would.
void PressKey(HWND window, WORD virtualKey);

// Presses and releases keys through the system's input queue, in order, to
// whichever window has the keyboard focus; unlike posted key messages this
// also sets the keys' state.  A key pressed again before its release
// repeats, as a key held down does.
struct KeyStroke {
    WORD key;
    bool down;
};
bool SendKeyStrokes(const std::vector<KeyStroke>& strokes);
// The same, sent again until done() holds, at most three times, with
// every key released in between.  For keys that must have an effect: Wine
// sets every key's state from the X server's whenever a window's thread
// handles a focus change, which it does only once it waits for messages,
// and X never sees the keys sent here.  Keys sent just after a dialog closed
// may meet the dialog's focus changes still waiting: the Ctrl comes back up
// before the C after it arrives.  After a try that failed the thread has
// waited, so the next one counts.
bool SendKeyStrokesUntil(const std::vector<KeyStroke>& strokes, const std::function<bool()>& done);

// The visible popup menu of the driven process (a context menu, say) and its
// menu, waiting for it to appear; nullptr after the timeout.
HWND WaitForPopupMenu(Timeout timeout = kTimeout);
HMENU PopupMenuOf(HWND popup);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool stopIcon = false;  // shows the system's stop (error) icon
};

// A message box with that caption: an owned dialog (the main window, which
// has the same caption, has no owner).
HWND FindMessageBox(const std::string& caption = kProgramCaption);
// Waits for a message box with that caption and reads it.
std::optional<MessageBoxInfo> WaitForMessageBox(const std::string& caption = kProgramCaption,
                                                Timeout timeout = kTimeout);
// Presses the box's button with that id (IDOK by default) and waits until
// the box is gone.
bool DismissMessageBox(const MessageBoxInfo& box, int buttonId = IDOK);

// Waits for the Open or Save dialog with that title, types path into its
// file-name field and presses its Open/Save button.  Returns the dialog,
// which may stay open to ask a question, or nullptr when it did not appear.
HWND EnterFileName(const std::string& title, const std::string& path, Timeout timeout = kTimeout);
// The same, and waits until the dialog closes.
bool FillFileDialog(const std::string& title, const std::string& path, Timeout timeout = kTimeout);
// Clicks the dialog's button with that id, fills the file dialog with that
// title that it opens, and waits until the click's handler has returned.
bool ClickAndFillFileDialog(HWND dialog, int buttonId, const std::string& title,
                            const std::string& path, Timeout timeout = kTimeout);
// Waits for the file dialog with that title and cancels it; when a folder is
// given, only once the dialog shows that folder (its path typed in, as a
// user would).
bool CancelFileDialog(const std::string& title, const std::string& folder = std::string(),
                      Timeout timeout = kTimeout);

// The rows of a list box, read with LB_GETCOUNT and LB_GETTEXT: as bytes
// (the ANSI messages, for report rows) or as UTF-8 (the wide ones, for
// names).
std::vector<std::string> ReadListBox(HWND list);
std::vector<std::string> ReadListBoxUtf8(HWND list);

// Puts procedure in place of the window's own for as long as it lives, to
// watch or change what the window is sent.  original receives the window's
// own procedure, to which procedure passes the messages on
// (CallWindowProcW).
class ReplacedWindowProc {
public:
    ReplacedWindowProc(HWND window, WNDPROC procedure, WNDPROC& original);
    ~ReplacedWindowProc();
    ReplacedWindowProc(const ReplacedWindowProc&) = delete;
    ReplacedWindowProc& operator=(const ReplacedWindowProc&) = delete;

private:
    HWND window_;
    WNDPROC original_;
};

}  // namespace dialog_driver
