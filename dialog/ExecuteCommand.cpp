// The execute command: 実行 checks the request, asks before anything is
// written, creates the new directory, runs the operation and reports how it
// went. The dialog stays open for the next request.
#include <string>

#include "dialog/CheckFolders.h"
#include "dialog/DialogMessages.h"
#include "dialog/FailureList.h"
#include "dialog/FileUtilityDlg.h"
#include "dialog/OperationRun.h"
#include "dialog/ProgressDlg.h"
#include "dialog/RequestChecks.h"
#include "engine/DataFolder.h"
#include "engine/FileSystem.h"

void CFileUtilityDlg::OnExecute() {
    if (!Confirm(this, "ファイルを作成してもよろしいですか。")) {
        return;
    }
    if (!ReadBackAll()) {
        return;  // the read-back has shown why
    }
    if (m_strSrcDir.empty()) {
        Notify(this, std::string(kSourceMissing));
        return;
    }
    if (m_strDstDir.empty()) {
        Notify(this, std::string(kDestinationMissing));
        return;
    }
    const std::string source = SourceBytes();
    std::string destination = DestinationBytes();
    int ok = CheckFolders(this, source, destination);
    if (!CheckNewDirName()) {
        ok = 0;
    }
    if (ok != 1) {
        return;
    }
    const std::optional<std::string> title = TitleBytes();
    if (!title) {
        Notify(this, TitleRefusal(m_strDstTitle));
        return;
    }
    if (!m_strNewDir.empty() && !CreateNewDir(destination)) {
        return;
    }
    ReportCompletion(RunShowingProgress(source, destination, *title));
}

// Only a run that is still going after the delay opens the progress window;
// until then the dialog waits as it always did, under the wait cursor.
OperationReport CFileUtilityDlg::RunShowingProgress(const std::string& source,
                                                    const std::string& destination,
                                                    const std::string& title) {
    m_waitCursor.BeginWaitCursor();
    OperationRun run(*m_fileSystem, m_nKind, source, destination, title);
    if (!run.WaitFor(m_progressDelay)) {
        CProgressDlg progress(this, run, OperationName(m_nKind));
        progress.DoModal();
    }
    OperationReport report = run.Finish();
    m_waitCursor.EndWaitCursor();
    return report;
}

bool CFileUtilityDlg::CheckNewDirName() {
    const std::vector<std::string> refusals = NewDirNameRefusals(m_strNewDir);
    for (const std::string& refusal : refusals) {
        Notify(this, refusal);
    }
    return refusals.empty();
}

bool CFileUtilityDlg::CreateNewDir(std::string& destination) {
    if (!Confirm(this, "新規にディレクトリを作成してもよろしいですか。")) {
        return false;
    }
    destination = WithTrailingSeparator(destination);
    int error = 0;
    if (CreateFolder(destination, &error) == 1) {
        return true;
    }
    Notify(this, NewDirFailure(destination, error));
    return false;
}

void CFileUtilityDlg::ReportCompletion(const OperationReport& report) {
    const std::string failures = DescribeFailures(report);
    if (failures.empty()) {
        Notify(this, CompletionText(m_nKind));
    } else {
        Warn(this, CompletionText(m_nKind) + "\n\n" + failures);
    }
}
