#include "engine/TextFileCopy.h"

#include <string>

#include "engine/FileSystem.h"
#include "engine/FileTransfer.h"

namespace {

// A file already in text form would come out of the translation unchanged:
// the system copies it as it is, without its bytes passing through here a
// second time. Any other file is translated in one pass.
void CopyText(TextReader& reader, TextWriter& writer) {
    std::uint64_t size = 0;
    if (reader.fileSystem().CopiesWithinSystem() && reader.IsInTextForm(size) &&
        writer.CopyUnchanged(reader.file(), size)) {
        return;
    }
    if (reader.error() == 0) {
        reader.CopyAsText(writer);
    }
}

}  // namespace

FileResult CopyNamedFile(Folder& src, Folder& dst, std::string_view name) {
    FileResult result = TransferFile(src, name, dst, name, CopyText);
    result.name = std::string(name);
    return result;
}

std::vector<FileResult> CopyMatchingFiles(Folder& src, Folder& dst, std::string_view pattern) {
    std::vector<FileResult> results;
    for (const std::string& name : src.Match(pattern)) {
        results.push_back(CopyNamedFile(src, dst, name));
    }
    return results;
}

int CopyDataFile(std::string_view name, std::string_view srcFolder, std::string_view dstFolder) {
    Folder src(FileSystem::Default(), srcFolder);
    Folder dst(FileSystem::Default(), dstFolder);
    return CopyNamedFile(src, dst, name).status == FileStatus::kCopied ? 1 : 0;
}

int CopyDataFiles(std::string_view pattern, std::string_view srcFolder,
                  std::string_view dstFolder) {
    Folder src(FileSystem::Default(), srcFolder);
    Folder dst(FileSystem::Default(), dstFolder);
    const bool matched = !CopyMatchingFiles(src, dst, pattern).empty();
    return matched && src.listingError() == 0 ? 1 : 0;
}
