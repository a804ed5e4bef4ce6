#include "engine/StoppableFileSystem.h"

#include <algorithm>
#include <cerrno>

int StoppableFileSystem::ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                                  std::size_t& got) {
    got = 0;
    if (progress_.StopRequested()) {
        return ECANCELED;
    }
    const int error = FileSystemWrapper::ReadSome(file, buffer, size, got);
    if (got > 0) {
        // A file checked by one read and then copied by the system is
        // through once it has been read.
        done_ = std::min(size_, done_ + got);
        progress_.FileAdvanced(done_);
    }
    return error;
}

int StoppableFileSystem::Rewind(const FileHandle& file) {
    done_ = 0;
    return FileSystemWrapper::Rewind(file);
}

int StoppableFileSystem::CopyWithinSystem(const FileHandle& from, const FileHandle& to,
                                          std::uint64_t size) {
    return progress_.StopRequested() ? ECANCELED
                                     : FileSystemWrapper::CopyWithinSystem(from, to, size);
}
