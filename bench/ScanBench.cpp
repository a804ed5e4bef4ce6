#include "ScanBench.h"

#include <dirent.h>
#include <unistd.h>

#include <functional>

#include "SampleData.h"
#include "SampleError.h"
#include "Timing.h"
#include "engine/Catalogue.h"
#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"

namespace {

namespace fs = std::filesystem;

// One listing: every name of the folder read into memory.
std::size_t ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    return names.size();
}

// Resolves the base file and every entry of the backup's catalogue as the
// engine does; returns how many files were found.
std::size_t SelectBackupFiles(const std::string& folderText) {
    Folder source(FileSystem::Default(), folderText);
    const auto base = source.Locate("zelbas00.dat");
    std::size_t found = base && base->exists ? 1 : 0;
    for (const CatalogueEntry& entry : CatalogueFor(KIND_BACKUP)) {
        if (entry.byPattern) {
            found += source.Match(entry.text).size();
        } else if (const auto file = source.Locate(entry.text)) {
            found += file->exists ? 1 : 0;
        }
    }
    return found;
}

int BackUp(const std::string& folderText, const fs::path& destination, std::string* error) {
    std::error_code code;
    if (!fs::create_directory(destination, code)) {
        return FailWith(error, "cannot create " + destination.string());
    }
    NoWaitIndicator cursor;
    OperationReport report;
    RunOperation(cursor, KIND_BACKUP, folderText, destination.string() + "/", kDefaultSampleTitle,
                 &report);
    return report.HasFailures() ? FailWith(error, "the backup of the crowded folder failed") : 1;
}

}  // namespace

int MeasureScan(const fs::path& work, std::uint64_t unrelated, int runs, ScanFigures& figures,
                std::string* error) {
    const fs::path source = work / "crowded";
    std::error_code code;
    if (!fs::create_directories(source, code)) {
        return FailWith(error, "cannot create " + source.string());
    }
    if (!WriteSampleBaseFile(source, kDefaultSampleTitle, error) ||
        !WriteUnrelatedFiles(source, unrelated, error)) {
        return 0;
    }
    const std::string folderText = source.string() + "/";
    figures.entries = unrelated + 1;
    ::sync();
    for (int round = 0; round < runs; ++round) {
        std::size_t listed = 0;
        std::size_t selected = 0;
        int backedUp = 0;
        const auto list = [&] {
            figures.listing.push_back(SecondsOf([&] { listed = ListFolder(source.string()); }));
        };
        const auto select = [&] {
            figures.selection.push_back(
                SecondsOf([&] { selected = SelectBackupFiles(folderText); }));
        };
        const auto backUp = [&] {
            const fs::path destination = work / ("crowded-backup-" + std::to_string(round));
            ::sync();
            figures.backup.push_back(
                SecondsOf([&] { backedUp = BackUp(folderText, destination, error); }));
        };
        // Turn the order round every other run, so that no step always runs
        // on caches another one warmed.
        const std::function<void()> steps[] = {list, select, backUp};
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            steps[round % 2 == 0 ? i : std::size(steps) - 1 - i]();
        }
        if (!backedUp) {
            return 0;
        }
        // "." and ".." besides the entries; only the base file is selected.
        if (listed != figures.entries + 2 || selected != 1) {
            return FailWith(error, "the scan found " + std::to_string(listed) + " entries and " +
                                       std::to_string(selected) + " files to copy");
        }
    }
    return 1;
}
