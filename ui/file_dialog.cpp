#include "file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "format.h"
#include "framework/win_app.h"
#include "text_encoding.h"

// Room for the longest path Windows handles (the "\\?\" form).
static constexpr DWORD kLongestPath = 32768;

std::optional<std::string> AskFileName(FileDialogKind kind, const FileDialogSettings& settings)
{
    std::vector<wchar_t> buffer(kLongestPath, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = settings.filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kLongestPath;
    dialog.lpstrTitle = settings.title;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY |
                   (kind == FileDialogKind::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    dialog.lpstrDefExt = settings.defaultExtension;
    const BOOL chosen = kind == FileDialogKind::Open ? ::GetOpenFileNameW(&dialog)
                                                     : ::GetSaveFileNameW(&dialog);
    if (chosen)
        return Utf8FromWide(buffer.data());

    // Cancel leaves no error; anything else is a failure the user must hear
    // of, or the choice would seem to have been ignored.
    if (const DWORD error = ::CommDlgExtendedError(); error != 0)
        AfxMessageBox(Format("ERROR:  The file dialog failed (error 0x%04lX).",
                             static_cast<unsigned long>(error)),
                      MB_ICONSTOP);
    return std::nullopt;
}
