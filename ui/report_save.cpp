// Save: writes the rows of the result list to a text file the user names.
//
// The report is written to a temporary file beside the target and moved over
// it only when every byte is on disk, so a failed save never damages a file
// the user already has.
#include "tornwick_dlg.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "format.h"
#include "framework/win_app.h"
#include "replacement_file.h"

namespace {

// Asks for the report file's full path; empty when the user cancels.
std::string AskReportPath()
{
    std::string path(MAX_PATH, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "TXT Files\0*.txt;\0All Files\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = "Output log file";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = "txt";
    if (!::GetSaveFileNameA(&dialog))
        return std::string();
    path.resize(std::strlen(path.c_str()));
    return path;
}

}  // namespace

void CtornwickDlg::OnSave()
{
    if (resultList.GetCount() <= 0) {
        AfxMessageBox("ERROR:  Nothing to save.", MB_ICONSTOP);
        return;
    }
    const std::string path = AskReportPath();
    if (path.empty())
        return;

    ReplacementFile file(path);
    bool written = true;
    // The count is read again before every row: the list is the report.
    for (int row = 0; written && row < resultList.GetCount(); ++row)
        written = file.Write(resultList.GetText(row)) && file.Write("\r\n");
    if (!written || !file.Commit())
        AfxMessageBox(Format("ERROR:  Could not save the report to %s.", path.c_str()),
                      MB_ICONSTOP);
}
