#include "engine/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/UniqueFd.h"

namespace {

// The last 4 bytes, ".tmp", are the suffix that mkostemps keeps.
constexpr char kTemporaryName[] = ".~fileutility-XXXXXX.tmp";
constexpr int kTemporarySuffixBytes = 4;

bool IsOutOfSpace(int systemError) {
    return systemError == ENOSPC || systemError == EDQUOT;
}

FileResult Failed(FileStatus status, int systemError) {
    return {"", IsOutOfSpace(systemError) ? FileStatus::kDiskFull : status, systemError};
}

// Writes, flushes and closes the temporary; returns kCopied or the failure.
FileResult FillTemporary(UniqueFd& file, mode_t mode, bool replacing, const ContentWriter& write) {
    if (::fchmod(file.get(), mode) != 0) {
        return Failed(FileStatus::kCreateFailed, errno);
    }
    TextWriter writer(file.get());
    const int readError = write(writer);
    if (writer.error() != 0) {
        return Failed(FileStatus::kWriteFailed, writer.error());
    }
    if (readError != 0) {
        return Failed(FileStatus::kSourceUnreadable, readError);
    }
    if (!writer.Flush()) {
        return Failed(FileStatus::kWriteFailed, writer.error());
    }
    if (replacing && ::fsync(file.get()) != 0) {
        return Failed(FileStatus::kWriteFailed, errno);
    }
    if (file.Close() != 0) {
        return Failed(FileStatus::kWriteFailed, errno);
    }
    return {"", FileStatus::kCopied, 0};
}

}  // namespace

FileResult ReplaceFile(const std::string& directory, const std::string& target, mode_t mode,
                       bool replacing, const ContentWriter& write) {
    std::string temporary = directory + kTemporaryName;
    UniqueFd file(::mkostemps(temporary.data(), kTemporarySuffixBytes, O_CLOEXEC));
    if (!file.valid()) {
        return Failed(FileStatus::kCreateFailed, errno);
    }
    FileResult result = FillTemporary(file, mode, replacing, write);
    if (result.status == FileStatus::kCopied &&
        std::rename(temporary.c_str(), target.c_str()) != 0) {
        result = Failed(FileStatus::kWriteFailed, errno);
    }
    if (result.status != FileStatus::kCopied) {
        file.Close();
        ::unlink(temporary.c_str());
    }
    return result;
}

mode_t NewFileMode() {
    // umask can only be read by setting it; the engine runs on one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}
