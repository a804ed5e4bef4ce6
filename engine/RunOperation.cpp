#include <string>

#include "engine/BaseFile.h"
#include "engine/Catalogue.h"
#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/SameFolder.h"
#include "engine/TextFileCopy.h"

namespace {

// Shows the wait indicator for the lifetime of the scope.
class WaitScope {
  public:
    explicit WaitScope(WaitIndicator& owner) : owner_(owner) { owner_.BeginWaitCursor(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
    ~WaitScope() { owner_.EndWaitCursor(); }

  private:
    WaitIndicator& owner_;
};

bool IsOperationKind(int kind) {
    return kind == KIND_NEW || kind == KIND_CARRY_OVER || kind == KIND_BACKUP;
}

void CopyEntry(const CatalogueEntry& entry, Folder& src, Folder& dst,
               std::vector<FileResult>& rows) {
    if (!entry.byPattern) {
        rows.push_back(CopyNamedFile(src, dst, entry.text));
        return;
    }
    std::vector<FileResult> matched = CopyMatchingFiles(src, dst, entry.text);
    if (const int error = src.listingError()) {
        // Files the listing did not reach may match: never a plain absence.
        matched.push_back({entry.text, FileStatus::kFolderUnreadable, error});
    }
    if (matched.empty()) {
        rows.push_back({entry.text, FileStatus::kAbsent, 0});
    }
    rows.insert(rows.end(), matched.begin(), matched.end());
}

bool WroteAny(const std::vector<FileResult>& rows) {
    for (const FileResult& row : rows) {
        if (row.status == FileStatus::kCopied) {
            return true;
        }
    }
    return false;
}

}  // namespace

int RunOperation(WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title, OperationReport* report) {
    return RunOperation(FileSystem::Default(), owner, kind, srcFolder, dstFolder, title, report);
}

int RunOperation(FileSystem& fs, WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title, OperationReport* report) {
    WaitScope wait(owner);
    if (report != nullptr) {
        report->files.clear();
    }
    if (!IsOperationKind(kind)) {
        return 0;
    }
    Folder src(fs, srcFolder);
    Folder dst(fs, dstFolder);
    // One folder by another route than its identity shows: every file would
    // be copied onto itself.
    if (src.stem() == dst.stem() && IsOneFolder(fs, src.directory(), dst.directory())) {
        dst.MarkAsSourceRoute();
    }
    std::vector<FileResult> rows;
    rows.push_back(WriteBaseFileBetween(src, dst, title));
    for (const CatalogueEntry& entry : CatalogueFor(kind)) {
        CopyEntry(entry, src, dst, rows);
    }
    if (WroteAny(rows)) {
        // One flush of the destination's file system for the whole operation,
        // so the data is on disk when the caller reports completion.
        if (const int flushError = fs.FlushVolumeOf(dst.directory())) {
            rows.push_back({std::string(dstFolder), FileStatus::kWriteFailed, flushError});
        }
    }
    if (report != nullptr) {
        report->files = std::move(rows);
    }
    return 1;
}
