// DialogDriver: the real main dialog, opened on a default data folder, with
// scripted prompts and the user's actions (picking folders, typing, clicking)
// done through its controls.
#pragma once

#include <memory>
#include <string>

#include "ScriptedPrompts.h"
#include "UserInput.h"
#include "dialog/FileUtilityDlg.h"
#include "res/Resource.h"

// Each kind button with its kind, in an order that changes the kind each time.
struct KindButton {
    int id;
    int kind;
};
inline constexpr KindButton kKindButtons[] = {{IDC_RADIO_BACKUP, KIND_BACKUP},
                                              {IDC_RADIO_CARRYOVER, KIND_CARRY_OVER},
                                              {IDC_RADIO_NEW, KIND_NEW}};

class DialogDriver {
  public:
    // Opens the dialog with dataPath as the environment file's folder.
    explicit DialogDriver(const std::string& dataPath);
    ~DialogDriver();

    CFileUtilityDlg& Dialog() { return *m_dialog; }
    ScriptedPrompts& Prompts() { return m_prompts; }

    // The text control id shows.
    std::string Text(int id) const { return m_dialog->GetDlgItemText(id); }
    void Click(int id) { ClickItem(*m_dialog, id); }
    void PickSource(const std::string& path);
    void PickDestination(const std::string& path);
    // Types text at the end of the edit, keystroke by keystroke.
    void Type(int id, const std::string& text) { TypeText(*m_dialog, id, text); }
    // Replaces the edit's whole text as a paste would.
    void Replace(int id, const std::string& text) { PasteText(*m_dialog, id, text); }

  private:
    ScriptedPrompts m_prompts;
    std::unique_ptr<CFileUtilityDlg> m_dialog;
};
