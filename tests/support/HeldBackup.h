// HeldBackup: the main dialog's backup of its source folder, run through
// 実行 with its question answered and held at the opening of one source file
// until released, so that the screenshot tools can show the progress window
// part-way.
#pragma once

#include <string>

#include "HeldFile.h"
#include "ScriptedPrompts.h"
#include "dialog/FileUtilityDlg.h"

class HeldBackup {
  public:
    // Holds at the source file whose path ends with name; answers the
    // dialog's prompts while it lives.
    HeldBackup(CFileUtilityDlg& dialog, std::string name);
    // Puts the dialog back on the system's file system.
    ~HeldBackup();
    HeldBackup(const HeldBackup&) = delete;
    HeldBackup& operator=(const HeldBackup&) = delete;

    // Backs up into destination (the engine's folder text) as 実行 does and
    // returns once the run has ended: true when every file was copied.
    bool Run(const std::string& destination);
    HeldFile& Held() { return m_held; }

  private:
    CFileUtilityDlg& m_dialog;
    ScriptedPrompts m_prompts;
    FaultFileSystem m_fs;
    HeldFile m_held;
};
