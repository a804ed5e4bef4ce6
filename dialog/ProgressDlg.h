// ProgressDlg: the small modal window that shows how far a long operation
// has got: the operation's name, the file being copied, a bar by bytes, the
// files it is through with out of all, and キャンセル. キャンセル, Escape and
// the close box ask the operation to stop; the window closes itself when the
// operation has ended, stopped or not.
#pragma once

#include <string>

#include "dialog/OperationRun.h"
#include "platform/Dialog.h"

class CProgressDlg : public CDialog {
  public:
    // Shows run, named operation, over parent.
    CProgressDlg(CDialog* parent, OperationRun& run, std::string operation);

  protected:
    bool OnInitDialog() override;
    void OnTimer(unsigned id) override;
    // Enter does not end a run.
    void OnOK() override {}
    void OnCancel() override;

  private:
    void ShowProgress(const RunSnapshot& snapshot);

    OperationRun& m_run;
    std::string m_operation;
};
