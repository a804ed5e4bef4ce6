// The execute command: 実行 checks the request, asks before anything is
// written, creates the new directory, runs the operation and reports how it
// went. The dialog stays open for the next request.
#include <string>

#include "dialog/BrowseForFolder.h"
#include "dialog/CheckFolders.h"
#include "dialog/DialogMessages.h"
#include "dialog/FailureList.h"
#include "dialog/FileUtilityDlg.h"
#include "engine/DataFolder.h"
#include "platform/TextEncoding.h"

namespace {

std::string CompletionText(int kind) {
    switch (kind) {
        case KIND_NEW:
            return "新規作成が終了しました。";
        case KIND_CARRY_OVER:
            return "次年度繰り越しが終了しました。";
        case KIND_BACKUP:
            return "バックアップが終了しました。";
        default:
            return {};
    }
}

}  // namespace

void CFileUtilityDlg::OnExecute() {
    if (!Confirm(this, "ファイルを作成してもよろしいですか。")) {
        return;
    }
    if (!ReadBackAll()) {
        return;  // the read-back has shown why
    }
    if (m_strSrcDir.empty()) {
        Notify(this, "コピー元のディレクトリを正しく設定して下さい。");
        return;
    }
    if (m_strDstDir.empty()) {
        Notify(this, "コピー先のディレクトリを正しく設定して下さい。");
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
        Notify(this, "コピー先のタイトルに使用できない文字「" + FirstUnencodable(m_strDstTitle) +
                         "」があります。\n別の文字に置き換えて下さい。");
        return;
    }
    if (!m_strNewDir.empty() && !CreateNewDir(destination)) {
        return;
    }
    OperationReport report;
    RunOperation(m_waitCursor, m_nKind, source, destination, *title, &report);
    ReportCompletion(report);
}

bool CFileUtilityDlg::CheckNewDirName() {
    bool ok = true;
    // Separators are ASCII, which no byte of a longer UTF-8 character is.
    for (const char ch : m_strNewDir) {
        if (ch == '/' || ch == '\\') {
            Notify(this, std::string("新規に作成できるディレクトリは１階層までです。\n"
                                     "新規ディレクトリ名に'") +
                             ch + "'は使用できません。");
            ok = false;
        }
    }
    return ok;
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
    Notify(this, "新規ディレクトリを作成できませんでした。\n" + DecodePath(destination) + "\n" +
                     DescribeFolderError(error));
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
