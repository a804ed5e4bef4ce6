#include "dialog/CheckFolders.h"

#include <algorithm>

#include "dialog/DialogMessages.h"
#include "engine/DataFolder.h"

namespace {

char FoldAsciiCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualFoldingAscii(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

// The folder text without its trailing separators; "/" stays "/".
std::string_view WithoutTrailingSeparator(std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.remove_suffix(1);
    }
    return folder;
}

bool NameSameFolder(std::string_view source, std::string_view destination) {
    return EqualFoldingAscii(source, destination) ||
           EqualFoldingAscii(WithoutTrailingSeparator(source),
                             WithoutTrailingSeparator(destination)) ||
           destination.size() == 1 || IsSameFolder(source, destination) == 1;
}

}  // namespace

int CheckFolders(QWidget* owner, std::string_view source, std::string_view destination) {
    if (NameSameFolder(source, destination)) {
        Notify(owner, QStringLiteral("コピー元とコピー先のディレクトリが同じです。"));
        return 0;
    }
    if (HasBaseFile(source) == 1) {
        return 1;
    }
    Notify(owner, QStringLiteral("コピー元ディレクトリにZelmoraのファイルがありません。"));
    return 0;
}
