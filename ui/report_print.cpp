// Print: sends the rows of the result list to a printer the user chooses.
#include "tornwick_dlg.h"

#include "framework/print_dialog.h"
#include "printed_pages.h"

void CtornwickDlg::OnPrint()
{
    if (!HasWholeReport("ERROR:  Nothing to print.", "ERROR:  The report is incomplete, so it was not printed."))
        return;
    CPrintDialog dialog(AFX_PD_DEFAULT_FLAGS, this);
    if (dialog.DoModal() != IDOK)
        return;
    // Released in the reverse order: the context, the font, then the
    // dialog's printer records.
    CFont font;
    CDC printer;
    printer.Attach(dialog.DetachPrinterDC());
    PrintPages(printer, font, ShownRows{resultList, reportRows_});
}
