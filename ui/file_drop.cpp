#include "file_drop.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "format.h"
#include "text_encoding.h"

namespace {

enum class DroppedKind { Page, Listing, Other };

// By extension, ignoring case, as Explorer shows kinds of file.
DroppedKind KindOf(const std::string& name)
{
    const std::size_t dot = name.find_last_of(".\\/");
    if (dot == std::string::npos || name[dot] != '.')
        return DroppedKind::Other;
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "htm" || extension == "html")
        return DroppedKind::Page;
    return extension == "csv" ? DroppedKind::Listing : DroppedKind::Other;
}

bool IsFolder(const std::string& name)
{
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> DroppedFileNames(HDROP drop)
{
    std::vector<std::string> names;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(static_cast<std::size_t>(::DragQueryFileW(drop, i, nullptr, 0)) + 1, L'\0');
        name.resize(::DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        names.push_back(Utf8FromWide(name));
    }
    return names;
}

DropSorting Refusal(const std::string& reason)
{
    return {{}, {}, Format("ERROR:  %s\n\nDrop one LoTW Award Credit Matrix page (.htm, .html), "
                           "one VELLUM DXCC listing (.csv), or one of each.", reason.c_str())};
}

}  // namespace

DropSorting SortDroppedFiles(HDROP drop)
{
    const std::vector<std::string> names = DroppedFileNames(drop);
    ::DragFinish(drop);
    DropSorting sorting;
    for (const std::string& name : names) {
        if (IsFolder(name))
            return Refusal(Format("%s is a folder.", name.c_str()));
        const DroppedKind kind = KindOf(name);
        if (kind == DroppedKind::Other)
            return Refusal(Format("%s is not a LoTW page or a VELLUM listing.", name.c_str()));
        std::string& field = kind == DroppedKind::Page ? sorting.html : sorting.csv;
        if (!field.empty())
            return Refusal(kind == DroppedKind::Page ? "More than one LoTW page was dropped."
                                                     : "More than one VELLUM listing was dropped.");
        field = name;
    }
    return sorting;
}
