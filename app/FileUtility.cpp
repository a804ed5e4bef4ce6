#include "app/FileUtility.h"

#include <QString>

#include "config/EnvFile.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/Prompts.h"

bool CFileUtilityApp::InitInstance() {
    if (LoadEnvFile("zeldefs8.env") == 0) {
        ShowMessageBox(nullptr, QStringLiteral("Zelmora メニュー"),
                       QStringLiteral("zeldefs8.envが見つかりません。"), MessageIcon::kInformation,
                       MessageButtons::kOk);
        return false;
    }
    CFileUtilityDlg dlg;
    dlg.exec();
    return false;
}
