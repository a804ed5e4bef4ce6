// OperationProgress: what a caller hears while an operation runs, and how it
// asks the operation to stop.
//
// Before anything is written the operation counts the files it will copy
// (those present in the source) and their size; then each file starts, its
// bytes advance as they are read, and it ends with its result. A stop is
// honoured before each file and inside a file between blocks: the file being
// written is abandoned as a failed copy is (a new file absent, an old one
// untouched), and it and every file not reached are reported as kStopped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/DataFolder.h"

class OperationProgress {
  public:
    // The files the operation will copy, the base file included, and their
    // size in the source.
    virtual void Planned(std::size_t files, std::uint64_t bytes) = 0;
    // A file of size bytes starts.
    virtual void FileStarted(std::string_view name, std::uint64_t size) = 0;
    // done bytes of the current file are through (never more than its size).
    virtual void FileAdvanced(std::uint64_t done) = 0;
    virtual void FileEnded(const FileResult& result) = 0;
    // Asked between files and between blocks, on the operation's thread: it
    // must be cheap, and safe against a stop requested from another thread.
    virtual bool StopRequested() = 0;

  protected:
    ~OperationProgress() = default;
};

class FileSystem;

// RunOperation that reports to progress and stops when it asks. Its report
// has the rows RunOperation gives, except that after a stop every planned
// file not copied is a kStopped row and unplanned entries give no rows.
int RunOperation(FileSystem& fs, WaitIndicator& owner, OperationProgress& progress, int kind,
                 std::string_view srcFolder, std::string_view dstFolder, std::string_view title,
                 OperationReport* report = nullptr);
int RunOperation(WaitIndicator& owner, OperationProgress& progress, int kind,
                 std::string_view srcFolder, std::string_view dstFolder, std::string_view title,
                 OperationReport* report = nullptr);
