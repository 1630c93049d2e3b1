// Every member of the main window; the work that is not the window's is in
// the files named for it.
#include "tornwick_dlg.h"

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "about_dlg.h"
#include "clipboard.h"
#include "file_dialog.h"
#include "file_drop.h"
#include "file_identity.h"
#include "format.h"
#include "framework/dpi.h"
#include "framework/print_dialog.h"
#include "framework/win_app.h"
#include "printed_pages.h"
#include "replacement_file.h"
#include "report_font.h"
#include "resources/resource.h"
#include "screen_reader_names.h"
#include "text_encoding.h"

namespace {

// Makes the chosen or dropped file the field's: its path and list row.
void ShowChosenFile(std::string chosen, std::string& path, CListBox& list)
{
    path = std::move(chosen);
    if (list.GetCount() > 0)
        list.DeleteString(0);
    list.AddUtf8String(path);
}

// After Cancel the earlier choice stays.
void ChooseInputFile(const FileDialogSettings& settings, std::string& path, CListBox& list)
{
    if (std::optional<std::string> chosen = AskFileName(FileDialogKind::Open, settings))
        ShowChosenFile(std::move(*chosen), path, list);
}

}  // namespace

CtornwickDlg::CtornwickDlg(CWnd* parent)
    : CDialog(IDD_MAIN, parent),
      appIcon_(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_MAIN)))
{
}

const MessageMap& CtornwickDlg::ThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        OnMessage<&CtornwickDlg::OnSysCommand>(WM_SYSCOMMAND),
        OnMessage<&CtornwickDlg::OnPaint>(WM_PAINT),
        OnMessage<&CtornwickDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        OnClicked<&CtornwickDlg::OnBrowseCsv>(IDC_BROWSE_CSV),
        OnClicked<&CtornwickDlg::OnBrowseHtml>(IDC_BROWSE_HTML),
        OnClicked<&CtornwickDlg::OnPrint>(IDC_PRINT),
        OnClicked<&CtornwickDlg::OnSubmittedAsChecked>(IDC_SUBMITTED_AS_CHECKED),
        OnClicked<&CtornwickDlg::OnHelpPage>(IDC_HELP_PAGE),
        OnClicked<&CtornwickDlg::OnCompare>(IDC_COMPARE),
        OnClicked<&CtornwickDlg::OnSave>(IDC_SAVE),
        OnCommand<&CtornwickDlg::OnCopyReport>(IDM_COPY_REPORT),
        OnMessage<&CtornwickDlg::OnContextMenu>(WM_CONTEXTMENU),
        OnMessage<&CtornwickDlg::OnDropFiles>(WM_DROPFILES),
        OnMessage<&CtornwickDlg::OnDpiChanged>(WM_DPICHANGED),
        OnMessage<&CtornwickDlg::OnAfterDpiChange>(kAfterDpiChangeMessage),
        OnMessage<&CtornwickDlg::OnVKeyToItem>(WM_VKEYTOITEM),
        OnMessage<&CtornwickDlg::OnDestroy>(WM_DESTROY),
    };
    static const MessageMap map{&CDialog::ThisMessageMap, entries};
    return map;
}

void CtornwickDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESULT_LIST, resultList);
    DDX_Control(pDX, IDC_HTML_FILE, htmlFileList);
    DDX_Control(pDX, IDC_CSV_FILE, csvFileList);
}

BOOL CtornwickDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadAccelTable(IDD_MAIN);
    AddAboutMenuItem();

    SetIcon(appIcon_, true);
    SetIcon(appIcon_, false);

    const UINT dpi = AfxGetWindowDpi(m_hWnd);
    SetListFont(dpi);
    AfxWidenControlsToTheirText(m_hWnd, dpi);
    ::DragAcceptFiles(m_hWnd, TRUE);
    NameForScreenReaders({{htmlFileList.GetSafeHwnd(), L"HTML file"},
                          {csvFileList.GetSafeHwnd(), L"CSV file"},
                          {resultList.GetSafeHwnd(), L"Report"}});
    return TRUE;
}

void CtornwickDlg::OnDestroy()
{
    ForgetScreenReaderNames({htmlFileList.GetSafeHwnd(), csvFileList.GetSafeHwnd(), resultList.GetSafeHwnd()});
}

// The result list's rows cannot be selected: the keys that would move the
// selection scroll the list instead, a row or a page at a time or to either
// end, as its scroll bar does.
int CtornwickDlg::OnVKeyToItem(WPARAM key, LPARAM list)
{
    static const std::pair<WORD, WORD> kScrolls[] = {
        {VK_UP, SB_LINEUP},     {VK_DOWN, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP},
        {VK_NEXT, SB_PAGEDOWN}, {VK_HOME, SB_TOP},      {VK_END, SB_BOTTOM},
    };
    if (reinterpret_cast<HWND>(list) != resultList.GetSafeHwnd())
        return -1;  // the list's own handling
    for (const auto& [pressed, scroll] : kScrolls) {
        if (LOWORD(key) == pressed) {
            resultList.SendMessage(WM_VSCROLL, MAKEWPARAM(scroll, 0));
            return -2;  // handled: no row is selected
        }
    }
    return -1;
}

void CtornwickDlg::AddAboutMenuItem()
{
    CMenu systemMenu = GetSystemMenu(false);
    const std::string text = AfxLoadString(IDS_ABOUT_MENU);
    if (!systemMenu || text.empty())
        return;
    systemMenu.AppendMenu(MF_SEPARATOR);
    systemMenu.AppendMenu(MF_STRING, IDM_ABOUT, text);
}

void CtornwickDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    // The system keeps the low four bits of the command for itself.
    if ((id & 0xFFF0) == IDM_ABOUT) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CtornwickDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const RECT client = GetClientRect();
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, appIcon_);
}

HCURSOR CtornwickDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(appIcon_);
}

void CtornwickDlg::OnBrowseHtml()
{
    static const FileDialogSettings kHtmlFile{L"Input HTML File",
                                              L"HTML Files\0*.htm;*.html;\0All Files\0*.*\0", L"htm"};
    ChooseInputFile(kHtmlFile, htmlPath_, htmlFileList);
}

void CtornwickDlg::OnBrowseCsv()
{
    static const FileDialogSettings kCsvFile{L"Input CSV File", L"CSV Files\0*.csv;\0All Files\0*.*\0",
                                             L"csv"};
    ChooseInputFile(kCsvFile, csvPath_, csvFileList);
}

void CtornwickDlg::OnSubmittedAsChecked()
{
    options_.submittedAsChecked = ::IsDlgButtonChecked(m_hWnd, IDC_SUBMITTED_AS_CHECKED) != BST_UNCHECKED ? 1 : 0;
}

void CtornwickDlg::OnHelpPage()
{
    // The button is the application's Help command, which opens the page.
    if (CWinApp* app = AfxGetApp())
        app->OnCmdMsg(ID_HELP);
}

void CtornwickDlg::OnCompare()
{
    // The lists, not the path members, say whether a file was chosen.
    if (htmlFileList.GetCount() <= 0) {
        AfxMessageBox("ERROR: Must specify HTML file name.", MB_ICONSTOP);
        return;
    }
    if (csvFileList.GetCount() <= 0) {
        AfxMessageBox("ERROR: Must specify CSV file name.", MB_ICONSTOP);
        return;
    }
    ShowReport([this](ReportSink& sink) { return RunComparison(htmlPath_, csvPath_, options_, sink); });
}

void CtornwickDlg::ShowReport(const std::function<RunOutcome(ReportSink&)>& write)
{
    RunOutcome outcome;
    std::size_t written = 0;
    std::size_t shown = 0;
    {
        ListBoxSink sink(resultList, reportRows_);
        outcome = write(sink);
        written = sink.RowsWritten();
        shown = sink.RowsShown();
    }
    // A file that cannot be opened or read leaves the shown report as it was.
    if (outcome.status != RunStatus::Completed) {
        AfxMessageBox(outcome.message, MB_ICONSTOP);
        return;
    }
    reportIncomplete_ = shown != written;
    if (reportIncomplete_)
        AfxMessageBox(Format("ERROR:  The report is incomplete: the result list could hold only %lu of its %lu rows.",
                             static_cast<unsigned long>(shown), static_cast<unsigned long>(written)),
                      MB_ICONSTOP);
}

bool CtornwickDlg::HasWholeReport(const char* nothingText, const char* incompleteText)
{
    const bool empty = resultList.GetCount() <= 0;
    if (!empty && !reportIncomplete_)
        return true;
    if (const char* refusal = empty ? nothingText : incompleteText)
        AfxMessageBox(refusal, MB_ICONSTOP);
    return false;
}

// As tornwick-compare's -o: a link, a short name or another spelling of an
// input is that input.
bool CtornwickDlg::RefuseToSaveOverAnInput(const std::string& path)
{
    const std::optional<FileIdentity> target = IdentityOf(path);
    if (!target)
        return false;
    const char* input = target == IdentityOf(csvPath_)    ? "VELLUM listing"
                        : target == IdentityOf(htmlPath_) ? "LoTW page"
                                                          : nullptr;
    if (input)
        AfxMessageBox(Format("ERROR:  The report was not saved: %s is the %s compared.", path.c_str(), input),
                      MB_ICONSTOP);
    return input != nullptr;
}

void CtornwickDlg::OnSave()
{
    if (!HasWholeReport("ERROR:  Nothing to save.", "ERROR:  The report is incomplete, so it was not saved."))
        return;
    static const FileDialogSettings kReportFile{L"Output log file", L"TXT Files\0*.txt;\0All Files\0*.*\0",
                                                L"txt"};
    const std::optional<std::string> path = AskFileName(FileDialogKind::Save, kReportFile);
    if (!path || RefuseToSaveOverAnInput(*path))
        return;

    // Over the target only once every byte is on disk.
    ReplacementFile file(*path);
    bool written = true;
    // The count is read again before every row: the list is the report.
    for (int row = 0; written && row < resultList.GetCount(); ++row)
        written = file.Write(RowBytes(reportRows_, row)) && file.Write("\r\n");
    if (!written || !file.Commit())
        AfxMessageBox(Format("ERROR:  Could not save the report to %s.\n\n%s.", path->c_str(), file.Error().c_str()),
                      MB_ICONSTOP);
}

void CtornwickDlg::OnPrint()
{
    if (!HasWholeReport("ERROR:  Nothing to print.", "ERROR:  The report is incomplete, so it was not printed."))
        return;
    CPrintDialog dialog(AFX_PD_DEFAULT_FLAGS, this);
    if (dialog.DoModal() != IDOK)
        return;
    // Released in reverse: the context, the font, the printer records.
    CFont font;
    CDC printer;
    printer.Attach(dialog.DetachPrinterDC());
    PrintPages(printer, font, resultList, reportRows_);
}

// The report as Save writes it, every row ended by CR LF: its bytes, and as
// the list shows them, read through the system's code page.  From Ctrl+C
// (or Ctrl+Insert) anywhere in the window, or the result list's menu.
void CtornwickDlg::OnCopyReport()
{
    // With nothing to copy there is nothing worth saying either.
    if (!HasWholeReport(nullptr, "ERROR:  The report is incomplete, so it was not copied."))
        return;
    // Row by row, so that a byte the code page cannot read stays in its row.
    std::string text;
    std::wstring wide;
    std::wstring shown;
    for (int row = 0; row < resultList.GetCount(); ++row) {
        const std::string_view bytes = RowBytes(reportRows_, row);
        text.append(bytes).append("\r\n");
        WideFromCodePage(bytes, CP_ACP, shown);
        wide.append(shown).append(L"\r\n");
    }
    if (!PutOnClipboard(m_hWnd, text, wide))
        AfxMessageBox("ERROR:  Could not copy the report to the clipboard.", MB_ICONSTOP);
}

void CtornwickDlg::OnContextMenu(WPARAM window, LPARAM point)
{
    const HWND list = resultList.GetSafeHwnd();
    if (reinterpret_cast<HWND>(window) != list)
        return;
    POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (at.x == -1 && at.y == -1) {  // from the keyboard (Shift+F10, the menu key)
        at = POINT{0, 0};
        ::ClientToScreen(list, &at);
    }
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&::DestroyMenu)> menu(
        ::CreatePopupMenu(), &::DestroyMenu);
    if (!menu)
        return;
    const UINT state = resultList.GetCount() > 0 ? MF_ENABLED : MF_GRAYED;
    ::AppendMenuW(menu.get(), MF_STRING | state, IDM_COPY_REPORT, L"&Copy report\tCtrl+C");
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd,
                     nullptr);
}

// Ctrl+C and Ctrl+Insert are the accelerators' (IDD_MAIN); a key held
// down repeats (bit 30: it was down before), which would copy once more for
// every repeat, onto the clipboard's history too.
bool CtornwickDlg::PreTranslateMessage(const MSG& message)
{
    const bool repeat = message.message == WM_KEYDOWN && (message.lParam & (LPARAM{1} << 30)) != 0;
    const bool copyKey = message.wParam == 'C' || message.wParam == VK_INSERT;
    return repeat && copyKey && (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void CtornwickDlg::OnDropFiles(WPARAM drop, LPARAM)
{
    const DropSorting sorting = SortDroppedFiles(reinterpret_cast<HDROP>(drop));
    if (!sorting.refusal.empty()) {
        AfxMessageBox(sorting.refusal, MB_ICONSTOP);
        return;
    }
    if (!sorting.html.empty())
        ShowChosenFile(sorting.html, htmlPath_, htmlFileList);
    if (!sorting.csv.empty())
        ShowChosenFile(sorting.csv, csvPath_, csvFileList);
}

void CtornwickDlg::SetListFont(UINT dpi)
{
    CreateListFont(listFont_, dpi);
    resultList.SetFont(listFont_, true);
}

// The window moved to a screen of another DPI (or the user changed the
// scale): the dialog manager rescales the template's layout and font; the
// list's own font is ours to remake.
void CtornwickDlg::OnDpiChanged(WPARAM dpi, LPARAM suggestedRect)
{
    const auto& rect = *reinterpret_cast<const RECT*>(suggestedRect);
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    SetListFont(HIWORD(dpi));
    ::PostMessageW(m_hWnd, kAfterDpiChangeMessage, HIWORD(dpi), 0);
}

// Once the dialog manager has laid the template out again for the new DPI
// (and may have handed its own font to every control): the list gets its
// font back, and the labels their room at that DPI.
void CtornwickDlg::OnAfterDpiChange(WPARAM dpi, LPARAM)
{
    resultList.SetFont(listFont_, true);
    AfxWidenControlsToTheirText(m_hWnd, static_cast<UINT>(dpi));
}
