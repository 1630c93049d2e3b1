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
#include "stdio_file.h"

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

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    // "C:\report.txt" lives in "C:\", not in "C:".
    return path.substr(0, slash == 2 && path[1] == ':' ? 3 : slash);
}

// A new file beside the target that takes the target's place only when it
// has been written whole; otherwise it is removed and the target untouched.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& target) : m_target(target)
    {
        std::string name(MAX_PATH, '\0');
        if (!::GetTempFileNameA(FolderOf(target).c_str(), "twk", 0, name.data()))
            return;
        m_temporary = name.c_str();
        m_file.reset(std::fopen(m_temporary.c_str(), "wb"));
    }

    ~ReplacementFile()
    {
        m_file.reset();
        if (!m_temporary.empty())
            ::DeleteFileA(m_temporary.c_str());
    }

    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Writes one line: the text, then carriage return and line feed.
    bool WriteLine(const std::string& text)
    {
        return m_file && std::fwrite(text.data(), 1, text.size(), m_file.get()) == text.size() &&
               std::fputs("\r\n", m_file.get()) >= 0;
    }

    // Closes the new file and moves it over the target.
    bool Commit()
    {
        if (!m_file)
            return false;
        const bool flushed = std::fflush(m_file.get()) == 0 && !std::ferror(m_file.get());
        const bool closed = std::fclose(m_file.release()) == 0;
        if (!flushed || !closed ||
            !::MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING))
            return false;
        m_temporary.clear();
        return true;
    }

private:
    std::string m_target;
    std::string m_temporary;
    StdioFile m_file;
};

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
        written = file.WriteLine(resultList.GetText(row));
    if (!written || !file.Commit())
        AfxMessageBox(Format("ERROR:  Could not save the report to %s.", path.c_str()),
                      MB_ICONSTOP);
}
