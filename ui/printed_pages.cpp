#include "printed_pages.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "report_font.h"

namespace {

constexpr int kRowsPerPage = 60;
constexpr int kLeftEdge = 200;  // device units from the printable area's edge

// The page's line positions: the first stays empty, the rows take the next 60.
constexpr int kLinePositions = kRowsPerPage + 1;

// The largest line step at which the page's line positions fit its height.
int FittingStep(const CDC& printer)
{
    return printer.GetDeviceCaps(VERTRES) / kLinePositions;
}

std::size_t LongestRow(const ShownRows& rows)
{
    std::size_t longest = 0;
    for (int row = 0; row < rows.list.GetCount(); ++row)
        longest = std::max(longest, rows.bytes.Row(row).size());
    return longest;
}

// Creates the print font.  Its cell height is that of the printer's default
// font, the height the rows were laid out for; a printer whose default font
// is so large that a page of rows would run off the paper gets it smaller,
// as much as needed for the 61 line positions to fit the printable height
// and the widest row its width, down to 6 points (a row wider than that font
// allows is cut at the edge of the printable area).
void CreateFittingFont(CDC& printer, CFont& font, const ShownRows& rows)
{
    TEXTMETRIC metrics{};
    printer.GetTextMetrics(metrics);
    const int fitting = FittingStep(printer);
    int height = fitting > 0 ? std::min<int>(metrics.tmHeight, fitting) : metrics.tmHeight;
    CreateReportFont(font, height);

    const int smallest = ::MulDiv(printer.GetDeviceCaps(LOGPIXELSY), 6, 72);
    const int room = printer.GetDeviceCaps(HORZRES) - kLeftEdge;
    const auto longest = static_cast<long long>(LongestRow(rows));
    const auto widest = [&] { return longest * CharacterWidth(printer, font); };
    if (widest() <= room || height <= smallest)
        return;
    // A fixed-pitch font's width grows with its height; the font mapper may
    // round a character a pixel wider than in step.
    height = std::max(smallest, ::MulDiv(height, room, static_cast<int>(std::min<long long>(widest(), INT_MAX))));
    CreateReportFont(font, height);
    while (widest() > room && height > smallest)
        CreateReportFont(font, --height);
}

// The distance between rows in the selected font, kept to what fits.
int LineStep(const CDC& printer)
{
    TEXTMETRIC metrics{};
    printer.GetTextMetrics(metrics);
    const int step = metrics.tmHeight + metrics.tmExternalLeading;
    const int fitting = FittingStep(printer);
    return fitting > 0 ? std::min(step, fitting) : step;
}

}  // namespace

void PrintPages(CDC& printer, CFont& font, const ShownRows& rows)
{
    CreateFittingFont(printer, font, rows);
    const CDC::Selection selected = printer.SelectObject(font);
    const int step = LineStep(printer);

    DOCINFO document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"TORNWICK";
    if (printer.StartDoc(document) < 0)
        return;
    int onPage = 0;
    for (int row = 0; row < rows.list.GetCount(); ++row) {
        if (onPage == 0)
            printer.StartPage();
        printer.TextOut(kLeftEdge, step * (onPage + 1), rows.bytes.Row(row));
        onPage = (onPage + 1) % kRowsPerPage;
        if (onPage == 0)
            printer.EndPage();
    }
    if (onPage != 0)
        printer.EndPage();
    printer.EndDoc();
}
