#include "hostile_support.h"

#include <gtest/gtest.h>

#include "file_bytes.h"

std::string PageRow(const PageEntity& entity)
{
    std::string row = "<tr><td>" + entity.prefix + "</td><td>" + entity.name + "</td><td>0</td>";
    for (char credit : entity.credits)
        row += credit == 'X' ? "<td>X</td>" : "<td>&nbsp;</td>";
    return row + "</tr>";
}

std::vector<std::string> SoundPageLines()
{
    return {
        "<html><head><title>LoTW - Award Credit Matrix</title></head><body>",
        "<table class=\"matrix\">",
        "<tr><th>Prefix</th><th>Entity</th><th>Credits</th><th>MIX</th></tr>",
        PageRow({"A1", "ABU AIL IS. (DELETED)", "                "}),
        //                                 MIX PHO CW RTTY Sat 160 80
        PageRow({"G", "ENGLAND", "X X   X         "}),
        PageRow({"DL", "FEDERAL REPUBLIC OF GERMANY", "X    XX         "}),
        "</table>",
        "</body></html>",
    };
}

std::string Joined(const std::vector<std::string>& lines, std::string_view lineEnd)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + std::string(lineEnd);
    return text;
}

std::string SoundPage()
{
    return Joined(SoundPageLines(), "\n");
}

std::string SoundListingHeader()
{
    return "Prefix,Country,MIX,CW,160,80";
}

std::vector<std::string> SoundListingRows()
{
    return {
        "G,England,*,*,\xB7,C",
        "DL,Germany,*,*,*,*",
        "F,France,*,*,*,*",
    };
}

std::string SoundListing()
{
    std::vector<std::string> lines = SoundListingRows();
    lines.insert(lines.begin(), SoundListingHeader());
    return Joined(lines, "\r\n");
}

std::string ScratchFolder()
{
    return TORNWICK_SCRATCH_DIR;
}

std::string ScratchFile(const std::string& name, std::string_view bytes)
{
    const std::string path = ScratchFolder() + "/" + name;
    if (!WriteFileBytes(path, bytes))
        ADD_FAILURE() << "cannot write " << path;
    return path;
}

Comparison Compare(const std::string& pagePath, const std::string& listingPath)
{
    Comparison result;
    CompareOptions options;
    RowSink sink;
    result.outcome = RunComparison(pagePath, listingPath, options, sink);
    result.rows = std::move(sink.rows);
    return result;
}

Comparison CompareBytes(std::string_view page, std::string_view listing)
{
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return Compare(ScratchFile(name + ".html", page), ScratchFile(name + ".csv", listing));
}

std::string Utf16LittleEndian(std::string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}
