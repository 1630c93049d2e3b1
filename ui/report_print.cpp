// Print: sends the rows of the result list to a printer the user chooses,
// 60 rows a page in a fixed-pitch font.  The rows go to the printer as the
// comparison wrote them, byte for byte, and the print font's character set
// reads them.
#include "tornwick_dlg.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "framework/dc.h"
#include "framework/font.h"
#include "framework/print_dialog.h"
#include "framework/win_app.h"
#include "report_font.h"
#include "report_rows.h"

namespace {

constexpr int kRowsPerPage = 60;
constexpr int kLeftEdge = 200;  // device units from the printable area's edge

// The page's line positions: the first stays empty, the rows take the next 60.
constexpr int kLinePositions = kRowsPerPage + 1;

// Room on the page, in device units: the line positions of a page must fit
// the printable height, the rows the width to the right of kLeftEdge.
int PrintableHeight(const CDC& printer)
{
    return printer.GetDeviceCaps(VERTRES);
}

// The largest line step at which the page's line positions fit its height.
int FittingStep(const CDC& printer)
{
    return PrintableHeight(printer) / kLinePositions;
}

int PrintableWidth(const CDC& printer)
{
    return printer.GetDeviceCaps(HORZRES) - kLeftEdge;
}

// The smallest cell height the font is made to fit with: 6 points.  A row
// wider than that font allows is cut at the edge of the printable area.
int SmallestHeight(const CDC& printer)
{
    return ::MulDiv(printer.GetDeviceCaps(LOGPIXELSY), 6, 72);
}

// The report's rows: the bytes of those the list shows.
struct ShownRows {
    const CListBox& list;
    const ReportRows& bytes;
};

// The width of the widest row in the font.
int WidestRow(CDC& printer, const CFont& font, const ShownRows& rows)
{
    const CDC::Selection selected = printer.SelectObject(font);
    int widest = 0;
    for (int row = 0; row < rows.list.GetCount(); ++row) {
        const std::string_view text = rows.bytes.Row(row);
        const SIZE size = printer.GetTextExtent(text.data(), static_cast<int>(text.size()));
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

// Creates the print font.  Its cell height is that of the printer's default
// font, the height the rows were laid out for; a printer whose default font is
// so large that a page of rows would run off the paper gets it smaller, as
// much as needed for the 61 line positions to fit the printable height and
// the widest row its width (down to SmallestHeight).
void CreateFittingFont(CDC& printer, CFont& font, const ShownRows& rows)
{
    TEXTMETRICA metrics{};
    printer.GetTextMetrics(metrics);
    const int fitting = FittingStep(printer);
    int height = fitting > 0 ? std::min<int>(metrics.tmHeight, fitting) : metrics.tmHeight;
    CreateReportFont(font, height);

    const int smallest = SmallestHeight(printer);
    const int room = PrintableWidth(printer);
    int widest = WidestRow(printer, font, rows);
    if (widest <= room || height <= smallest)
        return;
    // A fixed-pitch font's width grows with its height: scale, then step
    // down the last pixels that rounding may leave.
    height = std::max(smallest, ::MulDiv(height, room, widest));
    CreateReportFont(font, height);
    while ((widest = WidestRow(printer, font, rows)) > room && height > smallest)
        CreateReportFont(font, --height);
}

// The distance between rows in the selected font, kept to what fits.
int LineStep(const CDC& printer)
{
    TEXTMETRICA metrics{};
    printer.GetTextMetrics(metrics);
    const int step = metrics.tmHeight + metrics.tmExternalLeading;
    const int fitting = FittingStep(printer);
    return fitting > 0 ? std::min(step, fitting) : step;
}

}  // namespace

void CtornwickDlg::OnPrint()
{
    if (!HasWholeReport("ERROR:  Nothing to print.", "ERROR:  The report is incomplete, so it was not printed."))
        return;
    CPrintDialog dialog(AFX_PD_DEFAULT_FLAGS, this);
    if (dialog.DoModal() != IDOK)
        return;

    // Declared in this order so that they are released in the reverse one:
    // the font is put back out of the context, the context deleted, then the
    // font, then the dialog's printer records.
    CFont font;
    CDC printer;
    printer.Attach(dialog.DetachPrinterDC());
    CreateFittingFont(printer, font, ShownRows{resultList, reportRows_});
    const CDC::Selection selected = printer.SelectObject(font);
    const int step = LineStep(printer);

    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "TORNWICK";
    if (printer.StartDoc(document) < 0)
        return;

    int onPage = 0;
    for (int row = 0; row < resultList.GetCount(); ++row) {
        if (onPage == 0)
            printer.StartPage();
        const std::string_view text = reportRows_.Row(row);
        printer.TextOut(kLeftEdge, step * (onPage + 1), text.data(), static_cast<int>(text.size()));
        onPage = (onPage + 1) % kRowsPerPage;
        if (onPage == 0)
            printer.EndPage();
    }
    if (onPage != 0)
        printer.EndPage();
    printer.EndDoc();
}
