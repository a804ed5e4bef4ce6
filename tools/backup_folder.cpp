// backup-folder: backs up one data folder into another with the engine, as
// the dialog's backup does, keeping the source's title. Built for Linux and
// for Windows, so that the two builds' copies of one sample folder can be
// compared byte for byte and timed.
//
//   backup-folder [--progress] <source folder text> <destination folder text>
//
// --progress runs it as the dialog and the command-line program do, with a
// listener for its progress, so that the cost of reporting can be timed.
//
// Folder texts are plain prefixes: end them with a separator. Exits 0 when
// every file was copied or skipped, 1 when a file failed (each failure is
// printed), 2 on a usage error.
#include <cstdio>
#include <string>

#include "engine/DataFolder.h"
#include "engine/OperationProgress.h"

namespace {

struct NoWaitIndicator : WaitIndicator {
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

// Takes every report as a front end would, without showing it.
struct CountingProgress : OperationProgress {
    void Planned(std::size_t files, std::uint64_t bytes) override { total = files + bytes; }
    void FileStarted(std::string_view, std::uint64_t) override { ++started; }
    void FileAdvanced(std::uint64_t done) override { advanced = done; }
    void FileEnded(const FileResult&) override { ++ended; }
    bool StopRequested() override { return false; }
    std::uint64_t total = 0;
    std::uint64_t started = 0;
    std::uint64_t advanced = 0;
    std::uint64_t ended = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const bool withProgress = argc == 4 && std::string(argv[1]) == "--progress";
    if (argc != 3 && !withProgress) {
        std::fputs("usage: backup-folder [--progress] <source folder> <destination folder>\n",
                   stderr);
        return 2;
    }
    const char* source = argv[argc - 2];
    const char* destination = argv[argc - 1];
    std::string title;
    ReadTitle(source, title);
    NoWaitIndicator indicator;
    OperationReport report;
    CountingProgress progress;
    if (withProgress) {
        RunOperation(indicator, progress, KIND_BACKUP, source, destination, title, &report);
    } else {
        RunOperation(indicator, KIND_BACKUP, source, destination, title, &report);
    }
    for (const FileResult& failure : report.Failures()) {
        std::fprintf(stderr, "backup-folder: %s: status %d, error %d\n", failure.name.c_str(),
                     static_cast<int>(failure.status), failure.systemError);
    }
    std::printf("%zu rows, %zu failed\n", report.files.size(), report.Failures().size());
    return report.HasFailures() ? 1 : 0;
}
