// DialogDriver: the real main dialog, opened on a default data folder, with
// scripted prompts and the user's actions (picking folders, typing, clicking)
// done through its controls.
#pragma once

#include <QLineEdit>
#include <functional>
#include <memory>
#include <vector>

#include "ScriptedPrompts.h"
#include "dialog/FileUtilityDlg.h"

class DialogDriver {
  public:
    // Opens the dialog with dataPath as the environment file's folder.
    explicit DialogDriver(const std::string& dataPath);
    ~DialogDriver();

    CFileUtilityDlg& Dialog() { return *m_dialog; }
    ScriptedPrompts& Prompts() { return m_prompts; }

    QLineEdit* Edit(int id) const;
    void Click(int id);
    void PickSource(const QString& path);
    void PickDestination(const QString& path);
    // Types text at the end of the edit, keystroke by keystroke.
    void Type(int id, const QString& text);
    // Replaces the edit's whole text as a paste would.
    void Replace(int id, const QString& text);

  private:
    ScriptedPrompts m_prompts;
    std::unique_ptr<CFileUtilityDlg> m_dialog;
};

// Runs trigger, which is expected to open a modal dialog; inspect is called
// with that dialog while it runs, and the dialog is then closed. Returns
// false when no modal dialog opened.
bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(QWidget*)>& inspect);

// A new main dialog and a new About box, as their templates build them, for
// checks that hold for every dialog.
std::vector<std::unique_ptr<QDialog>> BothDialogs();
