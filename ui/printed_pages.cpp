#include "printed_pages.h"

#include <algorithm>
#include <climits>

#include "report_font.h"

namespace {

constexpr int kRowsPerPage = 60;
constexpr int kLeftEdge = 200;  // device units from the printable area's edge

// The largest line step at which a page's line positions fit its height:
// the first position stays empty, the rows take the next 60.
int FittingStep(const CDC& printer)
{
    return printer.GetDeviceCaps(VERTRES) / (kRowsPerPage + 1);
}

// A step of 0 (no such height) leaves the height as it is.
int Fitted(int height, int step)
{
    return step > 0 ? std::min(height, step) : height;
}

// Creates the print font.  Its cell height is that of the printer's default
// font, the height the rows were laid out for; a printer whose default font
// is so large that a page of rows would run off the paper gets it smaller,
// as much as needed for the line positions to fit the printable height and
// the widest row its width, down to 6 points (a row wider than that font
// allows is cut at the edge of the printable area).
void CreateFittingFont(CDC& printer, CFont& font, const CListBox& list, const ReportRows& rows)
{
    TEXTMETRIC metrics{};
    printer.GetTextMetrics(metrics);
    int height = Fitted(metrics.tmHeight, FittingStep(printer));
    CreateReportFont(font, height);

    std::size_t longest = 0;
    for (int row = 0; row < list.GetCount(); ++row)
        longest = std::max(longest, RowBytes(rows, row).size());
    const int smallest = ::MulDiv(printer.GetDeviceCaps(LOGPIXELSY), 6, 72);
    const int room = printer.GetDeviceCaps(HORZRES) - kLeftEdge;
    const auto widest = [&] { return static_cast<long long>(longest) * CharacterWidth(printer, font); };
    if (widest() <= room || height <= smallest)
        return;
    // A fixed-pitch font's width grows with its height; the font mapper may
    // round a character a pixel wider than in step.
    height = std::max(smallest, ::MulDiv(height, room, static_cast<int>(std::min<long long>(widest(), INT_MAX))));
    CreateReportFont(font, height);
    while (widest() > room && height > smallest)
        CreateReportFont(font, --height);
}

}  // namespace

void PrintPages(CDC& printer, CFont& font, const CListBox& list, const ReportRows& rows)
{
    CreateFittingFont(printer, font, list, rows);
    const CDC::Selection selected = printer.SelectObject(font);
    TEXTMETRIC metrics{};
    printer.GetTextMetrics(metrics);
    const int step = Fitted(metrics.tmHeight + metrics.tmExternalLeading, FittingStep(printer));

    DOCINFO document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"TORNWICK";
    if (printer.StartDoc(document) < 0)
        return;
    int onPage = 0;
    for (int row = 0; row < list.GetCount(); ++row) {
        if (onPage == 0)
            printer.StartPage();
        printer.TextOut(kLeftEdge, step * (onPage + 1), RowBytes(rows, row));
        onPage = (onPage + 1) % kRowsPerPage;
        if (onPage == 0)
            printer.EndPage();
    }
    if (onPage != 0)
        printer.EndPage();
    printer.EndDoc();
}
