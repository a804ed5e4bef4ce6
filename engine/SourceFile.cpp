#include "engine/SourceFile.h"

#include <cerrno>

#include <fcntl.h>

namespace {

SourceFile Refused(FileStatus status, int systemError) {
    SourceFile file;
    file.status = status;
    file.systemError = systemError;
    return file;
}

// Why stat() failed: a missing entry, a link to nothing, or a real error.
SourceFile StatFailure(const std::string& path, int systemError) {
    if (systemError != ENOENT && systemError != ENOTDIR) {
        return Refused(FileStatus::kSourceUnreadable, systemError);
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    return Refused(FileStatus::kAbsent, systemError);
}

}  // namespace

SourceFile OpenSourceFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return StatFailure(path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    // O_NONBLOCK: should the entry have become a FIFO since the stat, the open
    // returns at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Refused(FileStatus::kSourceUnreadable, errno);
    }
    SourceFile file;
    file.fd = UniqueFd(fd);
    if (::fstat(fd, &file.info) != 0) {
        return Refused(FileStatus::kSourceUnreadable, errno);
    }
    if (!S_ISREG(file.info.st_mode)) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    file.status = FileStatus::kCopied;
    return file;
}
