// tornwick_dlg.h - the main window: choose the two files, compare, read the
// report.
//
// The user picks the saved LoTW credit-matrix page and the VELLUM listing
// (each path shown as the single row of a small list beside its button),
// sets "Treat VELLUM Submitted as Checked", and presses Compare: the report
// rows fill the result list, and Save, Print and Copy give the rows the list
// shows.  The two files may also be dropped on the window from Explorer.
//
// File names are UTF-8 here and may hold any character.  The report rows are
// single-byte text in the listing's code page: the list shows them as the
// system's code page reads them, and Save, Print and Copy give their bytes
// as the comparison wrote them, kept beside the list (report_rows.h).
#pragma once

#include <functional>
#include <string>

#include "compare.h"
#include "file_dialog.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "report_rows.h"
#include "report_sink.h"

class CtornwickDlg : public CDialog {
public:
    explicit CtornwickDlg(CWnd* parent = nullptr);
    ~CtornwickDlg() override = default;

    static const MessageMap& ThisMessageMap();
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool PreTranslateMessage(const MSG& message) override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBrowseCsv();
    void OnBrowseHtml();
    void OnPrint();
    void OnSubmittedAsChecked();
    void OnHelpPage();
    void OnCompare();
    void OnSave();
    void OnCopyReport();
    void OnContextMenu(WPARAM window, LPARAM point);
    void OnDropFiles(WPARAM drop, LPARAM);
    void OnDpiChanged(WPARAM dpi, LPARAM suggestedRect);
    void OnAfterDpiChange(WPARAM dpi, LPARAM);
    int OnVKeyToItem(WPARAM key, LPARAM list);
    void OnDestroy();

    // Empties the result list and fills it with the rows that write gives
    // the sink, as Compare does with a comparison's, and tells the user when
    // write failed or the list could not take every row.
    void ShowReport(const std::function<RunOutcome(ReportSink&)>& write);

private:
    void AddAboutMenuItem();
    // Makes the file, chosen in the Open dialog or dropped on the window, the
    // field's file: its path member and the only row of its list.
    static void ChooseInputFile(const FileDialogSettings& settings, std::string& path, CListBox& list);
    static void ShowChosenFile(std::string chosen, std::string& path, CListBox& list);
    // Posted to itself on a change of DPI (wParam: the new DPI), to finish
    // once the dialog manager has laid the window out for it.
    static constexpr UINT kAfterDpiChangeMessage = WM_APP + 1;
    // Makes listFont_ for the DPI of the window's screen and gives it to the
    // result list.
    void SetListFont(UINT dpi);
    // Whether Save, Print or Copy may use the shown rows: not when there are
    // none (the user is told nothingText, unless it is null) nor when the
    // list holds only part of the last report (told incompleteText).
    bool HasWholeReport(const char* nothingText, const char* incompleteText);
    // Whether path, chosen for Save, is the chosen page or listing by any
    // name; the user is told so.
    bool RefuseToSaveOverAnInput(const std::string& path);

    HICON appIcon_;
    CompareOptions options_;
    CFont listFont_;        // the result list's fixed-pitch font
    std::string htmlPath_;  // the chosen files; empty until chosen
    std::string csvPath_;
    // The bytes of the rows the result list shows, row by row.
    ReportRows reportRows_;
    // The result list refused a row of the last report: it shows only the
    // rows before that one.
    bool reportIncomplete_ = false;

    // The controls DoDataExchange binds, named as the window shows them.
    CListBox resultList;
    CListBox csvFileList;   // one row: csvPath_, once chosen
    CListBox htmlFileList;  // one row: htmlPath_, once chosen
};
