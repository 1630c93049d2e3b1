// Dropping files on the main window: which field each file fills.
#include "file_drop.h"

#include <shellapi.h>

#include <algorithm>
#include <cctype>

#include "format.h"
#include "framework/win_app.h"
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
    if (extension == "csv")
        return DroppedKind::Listing;
    return DroppedKind::Other;
}

const char kWhatTornwickTakes[] =
    "Drop one LoTW Award Credit Matrix page (.htm, .html), one VELLUM DXCC listing (.csv), or one of each.";

std::string Refusal(const std::string& reason)
{
    return Format("ERROR:  %s\n\n%s", reason.c_str(), kWhatTornwickTakes);
}

}  // namespace

DropSorting SortDroppedFiles(const std::vector<std::string>& names,
                             const std::function<bool(const std::string&)>& isFolder)
{
    DropSorting sorting;
    for (const std::string& name : names) {
        if (isFolder(name))
            return DropSorting{{}, {}, Refusal(Format("%s is a folder.", name.c_str()))};
        const DroppedKind kind = KindOf(name);
        if (kind == DroppedKind::Other)
            return DropSorting{{}, {}, Refusal(Format("%s is not a LoTW page or a VELLUM listing.", name.c_str()))};
        std::string& slot = kind == DroppedKind::Page ? sorting.html : sorting.csv;
        if (!slot.empty())
            return DropSorting{{}, {}, Refusal(kind == DroppedKind::Page ? "More than one LoTW page was dropped."
                                                                         : "More than one VELLUM listing was dropped.")};
        slot = name;
    }
    return sorting;
}

std::vector<std::string> DroppedFileNames(HDROP drop)
{
    std::vector<std::string> names;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
        const UINT copied = ::DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(copied);
        names.push_back(Utf8FromWide(name));
    }
    return names;
}

bool IsFolder(const std::string& name)
{
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
