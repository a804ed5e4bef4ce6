#include "HeldBackup.h"

#include <chrono>

#include "engine/FileSystem.h"

namespace {

// Long enough for any screenshot, short enough that a tool that never
// releases still ends.
constexpr std::chrono::seconds kLongestHold{20};

}  // namespace

HeldBackup::HeldBackup(CFileUtilityDlg& dialog, std::string name)
    : m_dialog(dialog), m_held(m_fs, std::move(name), kLongestHold) {
    m_dialog.SetOperationFileSystem(m_fs);
}

HeldBackup::~HeldBackup() {
    m_dialog.SetOperationFileSystem(FileSystem::Default());
}

bool HeldBackup::Run(const std::string& destination) {
    m_prompts.ChooseFolder(destination);
    m_dialog.OnBrowseDest();
    m_dialog.m_nKind = KIND_BACKUP;
    m_dialog.PushAll();
    m_prompts.AnswerYes();
    m_dialog.OnExecute();
    return m_prompts.Messages().size() == 2 &&
           m_prompts.Messages().back() == Notice("バックアップが終了しました。");
}
