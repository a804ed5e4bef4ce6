#include "config/EnvFile.h"

#include <string_view>

#include "engine/FileName.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/SourceFile.h"
#include "engine/TextReader.h"

std::string g_szDataPath;

namespace {

constexpr std::string_view kPathKey = "[PATH]";
// The key and the one character after it ("=" in "[PATH]=") precede the value.
constexpr std::size_t kValueOffset = kPathKey.size() + 1;
// Lines are read in pieces of at most this many bytes; a longer line is
// handled as several lines.
constexpr std::size_t kPieceBytes = 255;

// The folder text a "[PATH]" piece sets. A value stops at a NUL byte: what
// follows it could never reach the file system as part of a folder text.
std::string_view PathValue(std::string_view piece) {
    if (piece.size() <= kValueOffset) {
        return {};
    }
    const std::string_view value = piece.substr(kValueOffset);
    return value.substr(0, value.find('\0'));
}

}  // namespace

int LoadEnvFile(const char* fileName) {
    // Looked up like every data file: the exact spelling first, else the
    // name in any letter case.
    FileSystem& fs = FileSystem::Default();
    Folder current(fs, "");
    const auto location = current.Locate(fileName);
    if (!location) {
        return 0;
    }
    SourceFile file = OpenSourceFile(fs, location->path);
    if (!file.opened()) {
        return 0;
    }
    TextReader reader(fs, file.file);
    char buffer[kPieceBytes + 1];
    std::string path;
    bool found = false;
    for (;;) {
        std::string_view piece(buffer, reader.ReadLine(buffer, sizeof buffer));
        if (piece.empty()) {
            break;
        }
        if (piece.back() == '\n') {
            piece.remove_suffix(1);
        }
        if (EqualsFolded(piece.substr(0, kPathKey.size()), kPathKey)) {
            path = PathValue(piece);
            found = true;
        }
    }
    if (reader.error() != 0) {
        return 0;
    }
    if (found) {
        g_szDataPath = fs.FolderTextFromFamilyText(path);
    }
    return 1;
}
