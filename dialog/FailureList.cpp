#include "dialog/FailureList.h"

#include "platform/TextEncoding.h"

QString DescribeFileStatus(FileStatus status) {
    switch (status) {
        case FileStatus::kCopied:
            return QStringLiteral("作成しました");
        case FileStatus::kAbsent:
            return QStringLiteral("コピー元にありません");
        case FileStatus::kNotRegular:
            return QStringLiteral("通常のファイルではありません");
        case FileStatus::kPathTooLong:
            return QStringLiteral("パスが長すぎます");
        case FileStatus::kSameFile:
            return QStringLiteral("コピー元と同じファイルです");
        case FileStatus::kSourceUnreadable:
            return QStringLiteral("コピー元を読み込めません");
        case FileStatus::kCreateFailed:
            return QStringLiteral("作成できません");
        case FileStatus::kWriteFailed:
            return QStringLiteral("書き込みに失敗しました");
        case FileStatus::kDiskFull:
            return QStringLiteral("ディスクの空き容量が足りません");
        case FileStatus::kFolderUnreadable:
            return QStringLiteral("フォルダの内容を読み込めません");
    }
    return QStringLiteral("不明なエラーです");
}

QString DescribeFailures(const OperationReport& report) {
    const std::vector<FileResult> failures = report.Failures();
    if (failures.empty()) {
        return QString();
    }
    QString text = QStringLiteral("次のファイルは作成できませんでした。");
    const std::size_t listed = std::min(failures.size(), std::size_t{kMaxListedFailures});
    for (std::size_t i = 0; i < listed; ++i) {
        text += QLatin1Char('\n') + DecodePath(failures[i].name) + QStringLiteral("：") +
                DescribeFileStatus(failures[i].status);
    }
    if (failures.size() > listed) {
        text += QStringLiteral("\nほか%1件").arg(failures.size() - listed);
    }
    return text;
}
