#include "file_choice.h"

#include <windows.h>

#include <commdlg.h>

#include <array>

void ChooseInputFile(const FileChoice& choice, std::string& path, CListBox& list)
{
    std::array<char, MAX_PATH> buffer{};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = choice.filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = choice.title;
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    dialog.lpstrDefExt = choice.defaultExtension;
    if (!::GetOpenFileNameA(&dialog))
        return;

    ShowChosenFile(buffer.data(), path, list);
}

void ShowChosenFile(const std::string& chosen, std::string& path, CListBox& list)
{
    path = chosen;
    if (list.GetCount() > 0)
        list.DeleteString(0);
    list.AddString(path);
}
