// Resource and control identifiers, shared by the resource script and code.
// Plain #defines only: windres reads this file too.
#pragma once

#define IDR_MAINFRAME 128   // program icon, five sizes
#define IDD_MAINDLG 129     // the main dialog template

// Language packs: resource type "INI"
#define IDR_PACK_FIRST 253
#define IDR_PACK_LAST 262

// Controls of the main dialog
#define IDC_BTN_CLOSE 1000
#define IDC_BTN_MIN 1001
#define IDC_BTN_INSTALL 1002
#define IDC_CHK_AGREE 1003
#define IDC_BTN_LICENSE 1004
#define IDC_CHK_CUSTOM 1005
#define IDC_BTN_BROWSE 1008
#define IDC_EDIT_PATH 1009
#define IDC_PROGRESS 1010
#define IDC_STATIC_PATH 1012
#define IDC_STATIC_AGREE 1013
#define IDC_BTN_HIDE 1014
#define IDC_BTN_START 1015
#define IDC_STATIC_INSTALLING 1016
