// resource.h - ids of the program's resources and of its dialogs' controls.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDM_ABOUT 16  // system-menu command: the About box
#define IDM_COPY_REPORT 32771  // Ctrl+C and the result list's menu: copy the report

#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_MAIN 102
#define IDI_MAIN 128

// The main window's controls.
#define IDC_RESULT_LIST 1000
#define IDC_HTML_FILE 1002
#define IDC_BROWSE_HTML 1003
#define IDC_CSV_FILE 1004
#define IDC_BROWSE_CSV 1005
#define IDC_PRINT 1007
#define IDC_SUBMITTED_AS_CHECKED 1009
#define IDC_HELP_PAGE 1010
#define IDC_COMPARE 1013
#define IDC_SAVE 1014
