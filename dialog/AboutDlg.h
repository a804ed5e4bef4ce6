// AboutDlg: the version dialog, opened by the ﾊﾞｰｼﾞｮﾝ情報 button and the
// system-menu item. It shows the icon, the program's name and version and a
// notice line; OK, Escape and the close box end it.
#pragma once

#include "platform/Dialog.h"

class CAboutDlg : public CDialog {
  public:
    // Opens centred over parent.
    explicit CAboutDlg(CDialog* parent = nullptr);
};
