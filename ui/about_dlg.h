// about_dlg.h - the About box: the program's name, version and notice.  It
// binds nothing and handles nothing of its own; the main window owns it.
#pragma once

#include "framework/dialog.h"
#include "resources/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUT) {}
};
