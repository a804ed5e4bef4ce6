#include "dialog/FailureList.h"

#include <algorithm>
#include <cerrno>

#include "platform/TextEncoding.h"

std::string DescribeFileStatus(FileStatus status) {
    switch (status) {
        case FileStatus::kCopied:
            return "作成しました";
        case FileStatus::kAbsent:
            return "コピー元にありません";
        case FileStatus::kNotRegular:
            return "通常のファイルではありません";
        case FileStatus::kPathTooLong:
            return "パスが長すぎます";
        case FileStatus::kSameFile:
            return "コピー元と同じファイルです";
        case FileStatus::kSourceUnreadable:
            return "コピー元を読み込めません";
        case FileStatus::kCreateFailed:
            return "作成できません";
        case FileStatus::kReadOnly:
            return "読み取り専用です";
        case FileStatus::kNameClash:
            return "名前が別のファイルと重なります";
        case FileStatus::kWriteFailed:
            return "書き込みに失敗しました";
        case FileStatus::kDiskFull:
            return "ディスクの空き容量が足りません";
        case FileStatus::kFolderUnreadable:
            return "フォルダの内容を読み込めません";
        case FileStatus::kStopped:
            return "中止しました";
    }
    return "不明なエラーです";
}

std::string DescribeFailures(const OperationReport& report, std::size_t maxListed) {
    const std::vector<FileResult> failures = report.Failures();
    if (failures.empty()) {
        return {};
    }
    std::string text = "次のファイルは作成できませんでした。";
    const std::size_t listed = std::min(failures.size(), maxListed);
    for (std::size_t i = 0; i < listed; ++i) {
        text += "\n" + DecodePath(failures[i].name) + "：" + DescribeFileStatus(failures[i].status);
    }
    if (failures.size() > listed) {
        text += "\nほか" + std::to_string(failures.size() - listed) + "件";
    }
    return text;
}

std::string DescribeFolderError(int error) {
    switch (error) {
        case ENOENT:
            return "親のディレクトリがありません。";
        case EEXIST:
        case ENOTDIR:
            return "同じ名前のファイルがあります。";
        case EACCES:
        case EPERM:
        case EROFS:
            return "ディレクトリを作成する権限がありません。";
        case ENOSPC:
            return "ディスクの空き容量が足りません。";
        case ENAMETOOLONG:
            return "ディレクトリ名が長すぎます。";
        default:
            return "エラー番号 " + std::to_string(error);
    }
}
