// BackupBench: times a backup by the engine against other ways of copying the
// same files: cp, cp followed by "sync -f", unix2dos run once per file, the
// engine with a progress listener, and,
// when a Windows build is given, that build's backup under Wine against a
// plain CopyFileW copy under Wine (with and without a flush of each file).
//
// The methods take turns within each run (the order rotates from run to run)
// and every one writes into a new destination folder: on this file system
// creating files right after many deletions is slow, so nothing is deleted
// until the end. Dirty pages are flushed (untimed) before every timed step so
// that no method pays for another's writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

enum class Method {
    kEngine,          // RunOperation(KIND_BACKUP)
    kEngineProgress,  // the same with a listener for its progress, as the front ends run it
    kCp,              // cp of the same source files
    kCpSync,          // the same cp, then sync -f on the destination
    kUnix2dos,        // unix2dos -f -n, one process per file
    kWineEngine,      // backup-folder.exe under Wine
    kWineCopy,        // copy-files.exe under Wine: CopyFileW of each file
    kWineCopyFlush,   // the same, each copy flushed as the engine's Windows build does
};

// A short name of method, as its destination folders and reports show it.
const char* MethodName(Method method);

struct BackupFigures {
    std::size_t files = 0;    // files the backup writes, the base file included
    std::uint64_t bytes = 0;  // their size in the source
    std::map<Method, std::vector<double>> seconds;  // of each run, in run order
};

// The medians of the run-by-run ratios of a to b (the two ran in the same
// round, one right after the other).
double MedianRatio(const BackupFigures& figures, Method a, Method b);

// Makes the source of the first measurement under work: a generated sample
// folder of about sizeBytes. Returns 1 with its path in source, 0 with a
// reason in *error.
int MakeLargeSource(const std::filesystem::path& work, std::uint64_t sizeBytes,
                    std::filesystem::path& source, std::string* error);

// Makes a source of count small pattern files (about 2 KB of text each, the
// line ends mixed as the sample generator mixes them) beside a base file.
// Returns 1 with its path in source, 0 with a reason in *error.
int MakeSmallFilesSource(const std::filesystem::path& work, std::uint64_t count,
                         std::filesystem::path& source, std::string* error);

// Times runs rounds of methods backing up source into new folders under work.
// The Wine methods take their programs from windowsBuild (a mingw-w64 build
// folder). Returns 1 with the timings in figures; 0 with a reason in *error
// when the engine reports a failed file or a program exits with an error.
int MeasureBackup(const std::filesystem::path& source, const std::filesystem::path& work,
                  const std::vector<Method>& methods, int runs,
                  const std::filesystem::path& windowsBuild, BackupFigures& figures,
                  std::string* error);
