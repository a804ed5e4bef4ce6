// Resource: the identifiers of the dialogs, their controls, the icon, the
// string table and the system-menu command, in one place so that the
// templates, the dialogs and the tests name each control the same way.
#pragma once

#include "platform/DialogTemplate.h"

// The dialogs' OK and Cancel buttons. <windows.h>, which the Windows tests
// include beside this header, has them as macros of the same values.
#ifndef IDOK
inline constexpr int IDOK = kOkId;
inline constexpr int IDCANCEL = kCancelId;
#endif

// Templates, strings and the icon.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_FILEUTILITY_DIALOG = 102;
inline constexpr int IDD_PROGRESS = 103;
inline constexpr int IDR_MAINFRAME = 128;

// Controls of the main dialog.
inline constexpr int IDC_RADIO_NEW = 1000;
inline constexpr int IDC_RADIO_CARRYOVER = 1001;
inline constexpr int IDC_RADIO_BACKUP = 1002;
inline constexpr int IDC_EDIT_SRC_TITLE = 1003;
inline constexpr int IDC_EDIT_SRC_DIR = 1004;
inline constexpr int IDC_BUTTON_SRC_BROWSE = 1005;
inline constexpr int IDC_BUTTON_VERSION = 1006;
inline constexpr int IDC_EDIT_DST_TITLE = 1009;
inline constexpr int IDC_EDIT_DST_DIR = 1010;
inline constexpr int IDC_BUTTON_DST_BROWSE = 1011;
inline constexpr int IDC_EDIT_NEWDIR = 1012;

// Controls of the progress window.
inline constexpr int IDC_PROGRESS_OPERATION = 1020;
inline constexpr int IDC_PROGRESS_FILE = 1021;
inline constexpr int IDC_PROGRESS_BAR = 1022;
inline constexpr int IDC_PROGRESS_COUNT = 1023;

// The system-menu item that opens the About box.
inline constexpr unsigned IDM_ABOUTBOX = 0x10;

// Controls that nothing refers to by identifier.
inline constexpr int IDC_STATIC = -1;
