#include "dialog/RequestChecks.h"

#include "dialog/FailureList.h"
#include "engine/DataFolder.h"
#include "engine/FileName.h"
#include "engine/FileSystem.h"
#include "platform/TextEncoding.h"

namespace {

// The folder text without its trailing separators; "/" stays "/".
std::string_view WithoutTrailingSeparator(std::string_view folder) {
    while (folder.size() > 1 && kPathSeparators.find(folder.back()) != std::string_view::npos) {
        folder.remove_suffix(1);
    }
    return folder;
}

bool NameSameFolder(std::string_view source, std::string_view destination) {
    return EqualsFolded(source, destination) ||
           EqualsFolded(WithoutTrailingSeparator(source), WithoutTrailingSeparator(destination)) ||
           destination.size() == 1 || IsSameFolder(source, destination) == 1;
}

}  // namespace

std::string FolderRefusal(std::string_view source, std::string_view destination) {
    if (NameSameFolder(source, destination)) {
        return "コピー元とコピー先のディレクトリが同じです。";
    }
    if (HasBaseFile(source) == 1) {
        return {};
    }
    return "コピー元ディレクトリにZelmoraのファイルがありません。";
}

std::vector<std::string> NewDirNameRefusals(std::string_view newDir) {
    std::vector<std::string> refusals;
    // Separators are ASCII, which no byte of a longer UTF-8 character is.
    for (const char ch : newDir) {
        if (ch == '/' || ch == '\\') {
            refusals.push_back(std::string("新規に作成できるディレクトリは１階層までです。\n"
                                           "新規ディレクトリ名に'") +
                               ch + "'は使用できません。");
        }
    }
    return refusals;
}

std::string TitleRefusal(std::string_view title) {
    if (EncodeTitle(title)) {
        return {};
    }
    return "コピー先のタイトルに使用できない文字「" + FirstUnencodable(title) +
           "」があります。\n別の文字に置き換えて下さい。";
}

std::string NewDirFailure(std::string_view destination, int error) {
    return "新規ディレクトリを作成できませんでした。\n" + DecodePath(destination) + "\n" +
           DescribeFolderError(error);
}

std::string OperationName(int kind) {
    switch (kind) {
        case KIND_NEW:
            return "新規作成";
        case KIND_CARRY_OVER:
            return "次年度繰り越し";
        case KIND_BACKUP:
            return "バックアップ";
        default:
            return {};
    }
}

std::string CompletionText(int kind) {
    const std::string name = OperationName(kind);
    return name.empty() ? name : name + "が終了しました。";
}
