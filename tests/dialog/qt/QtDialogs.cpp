#include "QtDialogs.h"

#include "dialog/AboutDlg.h"
#include "dialog/FileUtilityDlg.h"

std::vector<std::unique_ptr<CDialog>> BothDialogs() {
    std::vector<std::unique_ptr<CDialog>> dialogs;
    dialogs.push_back(std::make_unique<CFileUtilityDlg>());
    dialogs.push_back(std::make_unique<CAboutDlg>());
    return dialogs;
}
