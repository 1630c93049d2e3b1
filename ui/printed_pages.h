// printed_pages.h - the report on paper: 60 rows a page in a fixed-pitch
// font, each row's bytes as the comparison wrote them, which the print
// font's character set reads.
#pragma once

#include "framework/gdi.h"
#include "framework/wnd.h"
#include "report_rows.h"

// The report's rows: the bytes of those the list shows.  The list's row
// count is read again before every row: the list is the report.
struct ShownRows {
    const CListBox& list;
    const ReportRows& bytes;
};

// Prints the rows as the job "TORNWICK" on the printer's context, in font,
// which it makes.  A job the printer refuses prints nothing and says
// nothing.  The font must outlive the context, which may hold it after.
void PrintPages(CDC& printer, CFont& font, const ShownRows& rows);
