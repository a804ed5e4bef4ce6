#include "engine/SameFolder.h"

#include <string>

#include "engine/Temporary.h"

namespace {

// The directory text ready to take a file name; "" stays "", which names no
// directory.
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
    const std::string first = WithTrailingSeparator(std::string(a));
    const std::string second = WithTrailingSeparator(std::string(b));
    FileFacts firstFacts;
    FileFacts secondFacts;
    if (!IsDirectory(fs, first, firstFacts) || !IsDirectory(fs, second, secondFacts)) {
        return false;
    }
    return firstFacts.identity == secondFacts.identity || ProbeMadeInBIsInA(fs, first, second);
}
