#include "QtDialogs.h"

#include "dialog/AboutDlg.h"
#include "dialog/FileUtilityDlg.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

std::vector<std::unique_ptr<CDialog>> EveryDialog() {
    std::vector<std::unique_ptr<CDialog>> dialogs;
    dialogs.push_back(std::make_unique<CFileUtilityDlg>());
    dialogs.push_back(std::make_unique<CAboutDlg>());
    // Its texts come with the run; the template's layout is what is checked.
    dialogs.push_back(
        std::make_unique<CDialog>(*FindDialogTemplate(IDD_PROGRESS), nullptr, nullptr));
    return dialogs;
}
