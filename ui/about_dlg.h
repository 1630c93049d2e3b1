// about_dlg.h - the About box: the program's name, version and notice.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    // Owned by the main window.
    CAboutDlg();
};
