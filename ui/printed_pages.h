// printed_pages.h - the report on paper: 60 rows a page in a fixed-pitch
// font, each row's bytes as the comparison wrote them, which the print
// font's character set reads.
#pragma once

#include "framework/gdi.h"
#include "framework/wnd.h"
#include "list_box_sink.h"

// Prints the rows of the list, their bytes taken from rows, as the job
// "TORNWICK" on the printer's context, in font, which it makes.  The list's
// row count is read again before every row: the list is the report.  A job
// the printer refuses prints nothing and says nothing.  The font must
// outlive the context, which may hold it after.
void PrintPages(CDC& printer, CFont& font, const CListBox& list, const ReportRows& rows);
