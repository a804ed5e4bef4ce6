// StoppableFileSystem: the file system of an operation that reports
// progress. It counts the bytes read of the current file and fails every
// read (and the system's copy, which follows a read) with ECANCELED once a
// stop is requested, so that the file being written is abandoned by the same
// road as any failed copy. Reads and writes take turns, so the reads alone
// stop a copy between blocks.
#pragma once

#include <cstdint>

#include "engine/FileSystemWrapper.h"
#include "engine/OperationProgress.h"

class StoppableFileSystem : public FileSystemWrapper {
  public:
    StoppableFileSystem(FileSystem& target, OperationProgress& progress)
        : FileSystemWrapper(target), progress_(progress) {}

    // The next file read has size bytes.
    void StartFile(std::uint64_t size) {
        size_ = size;
        done_ = 0;
    }

    int ReadSome(const FileHandle& file, char* buffer, std::size_t size, std::size_t& got) override;
    int Rewind(const FileHandle& file) override;
    int CopyWithinSystem(const FileHandle& from, const FileHandle& to, std::uint64_t size) override;

  private:
    OperationProgress& progress_;
    std::uint64_t size_ = 0;
    std::uint64_t done_ = 0;
};
