#include <cerrno>
#include <map>
#include <optional>
#include <string>

#include "engine/BaseFile.h"
#include "engine/Catalogue.h"
#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/OperationProgress.h"
#include "engine/SameFolder.h"
#include "engine/StoppableFileSystem.h"
#include "engine/TextFileCopy.h"

namespace {

// The source's base file, as the base-file copy looks it up.
constexpr std::string_view kSourceBaseName = "ZELBAS00.DAT";

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

bool WroteAny(const std::vector<FileResult>& rows) {
    for (const FileResult& row : rows) {
        if (row.status == FileStatus::kCopied) {
            return true;
        }
    }
    return false;
}

// The progress side of a run: the listener and the file system that stops.
struct Listener {
    OperationProgress& progress;
    StoppableFileSystem& fs;
};

// One operation's walk through its steps, reporting to listener when given.
class OperationRun {
  public:
    OperationRun(Folder& src, Folder& dst, const std::vector<CatalogueEntry>& catalogue,
                 const std::optional<Listener>& listener)
        : src_(src), dst_(dst), catalogue_(catalogue), listener_(listener) {}

    std::vector<FileResult> Run(std::string_view title) {
        if (listener_) {
            Plan();
        }
        CopyPlanned(kSourceBaseName, [&] { return WriteBaseFileBetween(src_, dst_, title); });
        for (const CatalogueEntry& entry : catalogue_) {
            CopyEntry(entry);
        }
        return std::move(rows_);
    }

  private:
    // Counts the regular files the run will copy, before anything is written.
    void Plan() {
        PlanFile(kSourceBaseName);
        for (const CatalogueEntry& entry : catalogue_) {
            if (!entry.byPattern) {
                PlanFile(entry.text);
                continue;
            }
            for (const std::string& name : src_.Match(entry.text)) {
                PlanFile(name);
            }
        }
        std::uint64_t bytes = 0;
        for (const auto& [name, size] : planned_) {
            bytes += size;
        }
        listener_->progress.Planned(planned_.size(), bytes);
    }

    void PlanFile(std::string_view name) {
        const auto location = src_.Locate(name);
        FileFacts facts;
        if (location && location->exists &&
            src_.fileSystem().QueryPath(location->path, facts) == 0 &&
            facts.kind == EntryKind::kRegular) {
            planned_.emplace(std::string(name), facts.size);
        }
    }

    void CopyEntry(const CatalogueEntry& entry) {
        if (!entry.byPattern) {
            CopyPlanned(entry.text, [&] { return CopyNamedFile(src_, dst_, entry.text); });
            return;
        }
        const std::size_t first = rows_.size();
        for (const std::string& name : src_.Match(entry.text)) {
            CopyPlanned(name, [&] { return CopyNamedFile(src_, dst_, name); });
        }
        if (const int error = src_.listingError()) {
            // Files the listing did not reach may match: never a plain absence.
            rows_.push_back({entry.text, FileStatus::kFolderUnreadable, error});
        }
        if (rows_.size() == first && !Stopped()) {
            rows_.push_back({entry.text, FileStatus::kAbsent, 0});
        }
    }

    bool Stopped() const { return listener_ && listener_->progress.StopRequested(); }

    // Copies the file name through copy; with a listener, tells it about a
    // planned file, and after a stop records the planned file as stopped
    // without touching it.
    template <typename Copy>
    void CopyPlanned(std::string_view name, const Copy& copy) {
        const auto plan = listener_ ? planned_.find(std::string(name)) : planned_.end();
        if (plan == planned_.end()) {
            if (!Stopped()) {
                rows_.push_back(copy());
            }
            return;
        }
        if (Stopped()) {
            rows_.push_back({RowName(name), FileStatus::kStopped, 0});
            return;
        }
        listener_->progress.FileStarted(name, plan->second);
        listener_->fs.StartFile(plan->second);
        FileResult row = copy();
        if (row.systemError == ECANCELED && Stopped()) {
            row = {row.name, FileStatus::kStopped, 0};
        }
        listener_->progress.FileEnded(row);
        rows_.push_back(std::move(row));
    }

    // The name a file's row carries: the base file's is the destination's.
    static std::string RowName(std::string_view name) {
        return std::string(name == kSourceBaseName ? kBaseFileName : name);
    }

    Folder& src_;
    Folder& dst_;
    const std::vector<CatalogueEntry>& catalogue_;
    std::optional<Listener> listener_;
    std::map<std::string, std::uint64_t> planned_;
    std::vector<FileResult> rows_;
};

int Run(FileSystem& fs, FileSystem& system, WaitIndicator& owner,
        const std::optional<Listener>& listener, int kind, std::string_view srcFolder,
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
    if (src.stem() == dst.stem() && IsOneFolder(system, src.directory(), dst.directory())) {
        dst.MarkAsSourceRoute();
    }
    const std::vector<CatalogueEntry> catalogue = CatalogueFor(kind);
    std::vector<FileResult> rows = OperationRun(src, dst, catalogue, listener).Run(title);
    if (WroteAny(rows)) {
        // One flush of the destination's file system for the whole operation,
        // so the data is on disk when the caller reports completion.
        if (const int flushError = system.FlushVolumeOf(dst.directory())) {
            rows.push_back({std::string(dstFolder), FileStatus::kWriteFailed, flushError});
        }
    }
    if (report != nullptr) {
        report->files = std::move(rows);
    }
    return 1;
}

}  // namespace

int RunOperation(WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title, OperationReport* report) {
    return RunOperation(FileSystem::Default(), owner, kind, srcFolder, dstFolder, title, report);
}

int RunOperation(FileSystem& fs, WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title, OperationReport* report) {
    return Run(fs, fs, owner, std::nullopt, kind, srcFolder, dstFolder, title, report);
}

int RunOperation(WaitIndicator& owner, OperationProgress& progress, int kind,
                 std::string_view srcFolder, std::string_view dstFolder, std::string_view title,
                 OperationReport* report) {
    return RunOperation(FileSystem::Default(), owner, progress, kind, srcFolder, dstFolder, title,
                        report);
}

int RunOperation(FileSystem& fs, WaitIndicator& owner, OperationProgress& progress, int kind,
                 std::string_view srcFolder, std::string_view dstFolder, std::string_view title,
                 OperationReport* report) {
    StoppableFileSystem stoppable(fs, progress);
    return Run(stoppable, fs, owner, Listener{progress, stoppable}, kind, srcFolder, dstFolder,
               title, report);
}
