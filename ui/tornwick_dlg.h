// tornwick_dlg.h - the main window: choose (or drop) the LoTW page and the
// VELLUM listing, each shown as the one row of a small list, compare, and
// read, save, print or copy the report.  File names are UTF-8; the rows'
// bytes are kept beside the list that shows them (list_box_sink.h).
#pragma once

#include <functional>
#include <string>

#include "compare.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "list_box_sink.h"
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

    // Fills the result list with the rows write gives, as Compare does, and
    // tells the user when write failed or the list could not take every row.
    void ShowReport(const std::function<RunOutcome(ReportSink&)>& write);

private:
    // Posted on a change of DPI (wParam), to finish once the dialog manager
    // has laid the window out for it.
    static constexpr UINT kAfterDpiChangeMessage = WM_APP + 1;
    void AddAboutMenuItem();
    void SetListFont(UINT dpi);
    // Whether Save, Print or Copy may use the rows: not when there are none
    // (the user is told nothingText, unless null) nor when the list holds
    // only part of the report (incompleteText).
    bool HasWholeReport(const char* nothingText, const char* incompleteText);
    // Whether path is the page or listing compared, by any name; says so.
    bool RefuseToSaveOverAnInput(const std::string& path);

    HICON appIcon_;
    CompareOptions options_;
    CFont listFont_;        // fixed-pitch
    std::string htmlPath_;  // empty until chosen
    std::string csvPath_;
    ReportRows reportRows_;  // the bytes of the rows resultList shows
    // The list refused a row of the last report and shows those before it.
    bool reportIncomplete_ = false;

    CListBox resultList;
    CListBox csvFileList;   // one row: csvPath_, once chosen
    CListBox htmlFileList;  // one row: htmlPath_, once chosen
};
