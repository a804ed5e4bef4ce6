#include "dialog/AboutDlg.h"

#include "res/DialogTemplates.h"
#include "res/Icons.h"
#include "res/Resource.h"

CAboutDlg::CAboutDlg(CDialog* parent)
    : CDialog(*FindDialogTemplate(IDD_ABOUTBOX), parent,
              LoadAppIcon(*FindIconTemplate(IDR_MAINFRAME))) {}
