#include "engine/SameFolder.h"

#include <string>

#include "engine/Temporary.h"

namespace {

// The directory text ready to take a file name; "" stays "", which names no
// directory.
std::string WithSeparator(std::string_view folder) {
    std::string text(folder);
    if (!text.empty() && kPathSeparators.find(text.back()) == std::string_view::npos) {
        text += kPathSeparators.front();
    }
    return text;
}

bool IsDirectory(FileSystem& fs, const std::string& path, FileFacts& facts) {
    return fs.QueryPath(path, facts) == 0 && facts.kind == EntryKind::kDirectory;
}

bool ProbeMadeInBIsInA(FileSystem& fs, const std::string& a, const std::string& b) {
    std::string probe;
    FileHandle file;
    if (CreateTemporary(fs, b, probe, file) != 0) {
        return false;
    }
    static_cast<void>(file.Close());  // nothing was written to it
    const bool found = fs.EntryExists(a + probe.substr(b.size()));
    fs.RemoveFile(probe);
    return found;
}

}  // namespace

bool IsOneFolder(FileSystem& fs, std::string_view a, std::string_view b) {
    const std::string first = WithSeparator(a);
    const std::string second = WithSeparator(b);
    FileFacts firstFacts;
    FileFacts secondFacts;
    if (!IsDirectory(fs, first, firstFacts) || !IsDirectory(fs, second, secondFacts)) {
        return false;
    }
    return firstFacts.identity == secondFacts.identity || ProbeMadeInBIsInA(fs, first, second);
}
