// Save: writes the rows of the result list to a text file the user names.
//
// The report is written to a temporary file beside the target and moved over
// it only when every byte is on disk, so a failed save never damages a file
// the user already has.  The rows the list shows are written byte for byte
// as the comparison wrote them, each ended by CR LF.  It is never saved over
// the page or the listing it compares.
#include "tornwick_dlg.h"

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>

#include "file_dialog.h"
#include "file_identity.h"
#include "format.h"
#include "framework/win_app.h"
#include "replacement_file.h"

// The same test of a file's identity as tornwick-compare's -o: a link, a
// short name or another spelling of an input is that input.
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
                                            L"txt", OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT};
    const std::optional<std::string> path = AskFileName(FileDialogKind::Save, kReportFile);
    if (!path || RefuseToSaveOverAnInput(*path))
        return;

    ReplacementFile file(*path);
    bool written = true;
    // The count is read again before every row: the list is the report.
    for (int row = 0; written && row < resultList.GetCount(); ++row)
        written = file.Write(reportRows_.Row(row)) && file.Write("\r\n");
    if (!written || !file.Commit())
        AfxMessageBox(Format("ERROR:  Could not save the report to %s.\n\n%s.", path->c_str(), file.Error().c_str()),
                      MB_ICONSTOP);
}
