#include "dialog/ProgressDlg.h"

#include <utility>

#include "platform/TextEncoding.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

namespace {

constexpr unsigned kPollTimer = 1;
// Often enough to look alive, seldom enough to cost the copy nothing.
constexpr unsigned kPollMs = 100;

int BarPosition(const RunSnapshot& snapshot) {
    if (snapshot.bytes == 0) {
        return snapshot.finished ? kProgressBarRange : 0;
    }
    return static_cast<int>(snapshot.bytesDone * kProgressBarRange / snapshot.bytes);
}

}  // namespace

CProgressDlg::CProgressDlg(CDialog* parent, OperationRun& run, std::string operation)
    : CDialog(*FindDialogTemplate(IDD_PROGRESS), parent, nullptr),
      m_run(run),
      m_operation(std::move(operation)) {}

bool CProgressDlg::OnInitDialog() {
    SetDlgItemText(IDC_PROGRESS_OPERATION, m_operation);
    ShowProgress(m_run.Snapshot());
    // Ended only from the timer: the window must be running before it can
    // end.
    SetTimer(kPollTimer, kPollMs);
    return true;
}

void CProgressDlg::OnTimer(unsigned id) {
    if (id != kPollTimer) {
        return;
    }
    const RunSnapshot snapshot = m_run.Snapshot();
    ShowProgress(snapshot);
    if (snapshot.finished) {
        KillTimer(kPollTimer);
        EndDialog(IDOK);
    }
}

void CProgressDlg::OnCancel() {
    m_run.RequestStop();
    EnableDlgItem(IDCANCEL, false);
}

void CProgressDlg::ShowProgress(const RunSnapshot& snapshot) {
    SetDlgItemText(IDC_PROGRESS_FILE, DecodePath(snapshot.current));
    SetDlgItemProgress(IDC_PROGRESS_BAR, BarPosition(snapshot));
    SetDlgItemText(IDC_PROGRESS_COUNT, std::to_string(snapshot.filesEnded) + " / " +
                                           std::to_string(snapshot.files) + " ファイル");
}
