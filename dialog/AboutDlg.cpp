#include "dialog/AboutDlg.h"

#include "res/DialogTemplates.h"
#include "res/Resource.h"

CAboutDlg::CAboutDlg(CDialog* parent)
    : CDialog(*FindDialogTemplate(IDD_ABOUTBOX), parent, LoadAppIcon(IDR_MAINFRAME)) {}
