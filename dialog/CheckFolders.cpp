#include "dialog/CheckFolders.h"

#include "dialog/DialogMessages.h"
#include "engine/DataFolder.h"
#include "engine/FileName.h"
#include "engine/FileSystem.h"

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

int CheckFolders(const CDialog* owner, std::string_view source, std::string_view destination) {
    if (NameSameFolder(source, destination)) {
        Notify(owner, "コピー元とコピー先のディレクトリが同じです。");
        return 0;
    }
    if (HasBaseFile(source) == 1) {
        return 1;
    }
    Notify(owner, "コピー元ディレクトリにZelmoraのファイルがありません。");
    return 0;
}
