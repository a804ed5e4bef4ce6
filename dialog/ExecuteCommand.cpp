// The execute command: 実行 checks the request, asks before anything is
// written, creates the new directory, runs the operation and reports how it
// went. The dialog stays open for the next request.
#include <QLineEdit>
#include <cerrno>

#include "dialog/CheckFolders.h"
#include "dialog/DialogMessages.h"
#include "dialog/FailureList.h"
#include "dialog/FileUtilityDlg.h"
#include "engine/DataFolder.h"
#include "platform/TextEncoding.h"

namespace {

QString CompletionText(int kind) {
    switch (kind) {
        case KIND_NEW:
            return QStringLiteral("新規作成が終了しました。");
        case KIND_CARRY_OVER:
            return QStringLiteral("次年度繰り越しが終了しました。");
        case KIND_BACKUP:
            return QStringLiteral("バックアップが終了しました。");
        default:
            return QString();
    }
}

// The first character of title that Shift-JIS cannot hold.
QString FirstUnencodable(const QString& title) {
    for (const char32_t ch : title.toUcs4()) {
        QString character = QString::fromUcs4(&ch, 1);
        if (!EncodeTitle(character)) {
            return character;
        }
    }
    return QString();
}

QString CreateFolderReason(int error) {
    switch (error) {
        case ENOENT:
            return QStringLiteral("親のディレクトリがありません。");
        case EEXIST:
        case ENOTDIR:
            return QStringLiteral("同じ名前のファイルがあります。");
        case EACCES:
        case EPERM:
        case EROFS:
            return QStringLiteral("ディレクトリを作成する権限がありません。");
        case ENOSPC:
            return QStringLiteral("ディスクの空き容量が足りません。");
        case ENAMETOOLONG:
            return QStringLiteral("ディレクトリ名が長すぎます。");
        default:
            return QStringLiteral("エラー番号 %1").arg(error);
    }
}

}  // namespace

void CFileUtilityDlg::OnExecute() {
    if (!Confirm(this, QStringLiteral("ファイルを作成してもよろしいですか。"))) {
        return;
    }
    if (!ReadBackAll()) {
        return;  // the read-back has shown why
    }
    if (m_strSrcDir.isEmpty()) {
        Notify(this, QStringLiteral("コピー元のディレクトリを正しく設定して下さい。"));
        return;
    }
    if (m_strDstDir.isEmpty()) {
        Notify(this, QStringLiteral("コピー先のディレクトリを正しく設定して下さい。"));
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
        Notify(this, QStringLiteral("コピー先のタイトルに使用できない文字「%1」があります。\n"
                                    "別の文字に置き換えて下さい。")
                         .arg(FirstUnencodable(m_strDstTitle)));
        return;
    }
    if (!m_strNewDir.isEmpty() && !CreateNewDir(destination)) {
        return;
    }
    OperationReport report;
    RunOperation(m_waitCursor, m_nKind, source, destination, *title, &report);
    ReportCompletion(report);
}

bool CFileUtilityDlg::CheckNewDirName() {
    bool ok = true;
    for (const QChar ch : m_strNewDir) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\')) {
            Notify(this, QStringLiteral("新規に作成できるディレクトリは１階層までです。\n"
                                        "新規ディレクトリ名に'%1'は使用できません。")
                             .arg(ch));
            ok = false;
        }
    }
    return ok;
}

bool CFileUtilityDlg::CreateNewDir(std::string& destination) {
    if (!Confirm(this, QStringLiteral("新規にディレクトリを作成してもよろしいですか。"))) {
        return false;
    }
    destination += '/';
    int error = 0;
    if (CreateFolder(destination, &error) == 1) {
        return true;
    }
    Notify(this, QStringLiteral("新規ディレクトリを作成できませんでした。\n%1\n%2")
                     .arg(DecodePath(destination), CreateFolderReason(error)));
    return false;
}

void CFileUtilityDlg::ReportCompletion(const OperationReport& report) {
    const QString failures = DescribeFailures(report);
    if (failures.isEmpty()) {
        Notify(this, CompletionText(m_nKind));
    } else {
        Warn(this, CompletionText(m_nKind) + QStringLiteral("\n\n") + failures);
    }
}
