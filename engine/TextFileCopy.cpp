#include "engine/TextFileCopy.h"

#include <cerrno>
#include <string>

#include "engine/FileSystem.h"
#include "engine/FileTransfer.h"

namespace {

// Returned when a file changed between the check of its text form and the
// kernel's copy: what was copied is not what was checked.
constexpr int kChangedWhileCopied = EAGAIN;

// Copies the checked bytes inside the system. Returns false, with nothing
// written, where the system cannot; true otherwise, error then 0 or the
// errno of a source that changed (or could not be asked) meanwhile.
bool CopyCheckedFile(TextReader& reader, TextWriter& writer, const FileFacts& checked,
                     std::uint64_t size, int& error) {
    if (!writer.CopyUnchanged(reader.file(), size)) {
        return false;
    }
    FileFacts now;
    error = reader.fileSystem().QueryOpenFile(reader.file(), now);
    if (error == 0 && (now.size != size || now.modified != checked.modified)) {
        error = kChangedWhileCopied;
    }
    return true;
}

// A file already in text form would come out of the translation unchanged:
// the system copies it as it is, without its bytes passing through here a
// second time, as long as it is still the file that was checked. Any other
// file is translated in one pass.
int CopyText(TextReader& reader, TextWriter& writer) {
    FileSystem& fs = reader.fileSystem();
    if (fs.CopiesWithinSystem()) {
        FileFacts checked;
        if (const int error = fs.QueryOpenFile(reader.file(), checked)) {
            return error;
        }
        std::uint64_t size = 0;
        int changed = 0;
        if (reader.IsInTextForm(size) && CopyCheckedFile(reader, writer, checked, size, changed)) {
            return changed;
        }
    }
    if (reader.error() == 0) {
        reader.CopyAsText(writer);
    }
    return reader.error();
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
