#include "DialogDriver.h"

#include "config/EnvFile.h"
#include "res/Resource.h"

DialogDriver::DialogDriver(const std::string& dataPath) {
    g_szDataPath = dataPath;
    m_dialog = std::make_unique<CFileUtilityDlg>();
    m_dialog->Create();
}

DialogDriver::~DialogDriver() {
    m_dialog.reset();
    g_szDataPath.clear();
}

void DialogDriver::PickSource(const std::string& path) {
    m_prompts.ChooseFolder(path);
    Click(IDC_BUTTON_SRC_BROWSE);
}

void DialogDriver::PickDestination(const std::string& path) {
    m_prompts.ChooseFolder(path);
    Click(IDC_BUTTON_DST_BROWSE);
}
