#include "app/FileUtility.h"

#include "config/EnvFile.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/Prompts.h"

bool CFileUtilityApp::InitInstance() {
    if (LoadEnvFile("zeldefs8.env") == 0) {
        ShowMessageBox(nullptr, "Zelmora メニュー", "zeldefs8.envが見つかりません。",
                       MessageIcon::kInformation, MessageButtons::kOk);
        return false;
    }
    CFileUtilityDlg dlg;
    dlg.DoModal();
    return false;
}
