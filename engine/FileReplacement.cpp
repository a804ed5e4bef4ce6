#include "engine/FileReplacement.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <string_view>

namespace {

constexpr char kTemporaryName[] = ".~fileutility-XXXXXX.tmp";
// The six X before the ".tmp" take random name bytes.
constexpr std::size_t kRandomAt = sizeof kTemporaryName - 1 - 4 - 6;
constexpr std::size_t kRandomBytes = 6;
constexpr int kNameAttempts = 100;

FileResult Failed(FileStatus status, int systemError) {
    return {"", IsOutOfSpace(systemError) ? FileStatus::kDiskFull : status, systemError};
}

char RandomNameByte() {
    static constexpr std::string_view kBytes =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // The clock joins the seed where a random device is predictable.
    static std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return kBytes[generator() % kBytes.size()];
}

// Creates a temporary in directory under a name no entry has yet; path then
// holds it. Returns 0 or the errno.
int CreateTemporary(const std::string& directory, std::string& path, FileHandle& file) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = directory + kTemporaryName;
        for (std::size_t i = 0; i < kRandomBytes; ++i) {
            path[directory.size() + kRandomAt + i] = RandomNameByte();
        }
        const int error = CreateNewFile(path, file);
        if (error != EEXIST) {
            return error;
        }
    }
    return EEXIST;
}

// Writes the content into file; returns kCopied or the failure.
FileResult WriteContent(const FileHandle& file, const ContentWriter& write) {
    TextWriter writer(file);
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
    return {"", FileStatus::kCopied, 0};
}

// Writes, flushes and closes the temporary; returns kCopied or the failure.
FileResult FillTemporary(FileHandle& file, TargetEntry entry, std::uint32_t permissions,
                         const ContentWriter& write) {
    const bool replacing = entry == TargetEntry::kFile;
    if (replacing) {
        if (const int error = SetPermissions(file, permissions)) {
            return Failed(FileStatus::kCreateFailed, error);
        }
    }
    if (FileResult result = WriteContent(file, write); result.status != FileStatus::kCopied) {
        return result;
    }
    if (const int error = FlushWrittenFile(file, replacing)) {
        return Failed(FileStatus::kWriteFailed, error);
    }
    if (const int error = file.Close()) {
        return Failed(FileStatus::kWriteFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

FileResult ReplaceThroughTemporary(const std::string& directory, const std::string& target,
                                   TargetEntry entry, std::uint32_t permissions,
                                   const ContentWriter& write) {
    std::string temporary;
    FileHandle file;
    if (const int error = CreateTemporary(directory, temporary, file)) {
        return Failed(FileStatus::kCreateFailed, error);
    }
    FileResult result = FillTemporary(file, entry, permissions, write);
    if (result.status == FileStatus::kCopied) {
        if (const int error = RenameReplacing(temporary, target)) {
            result = Failed(FileStatus::kWriteFailed, error);
        }
    }
    if (result.status != FileStatus::kCopied) {
        file.Close();
        RemoveFile(temporary);
    }
    return result;
}

// Fills the unnamed file and names it target. A failed close, which may be
// the first word of a lost write, takes the new name away again: nothing was
// under it before.
FileResult CreateThroughUnnamedFile(FileHandle& file, const std::string& target,
                                    const ContentWriter& write) {
    if (FileResult result = WriteContent(file, write); result.status != FileStatus::kCopied) {
        return result;
    }
    if (const int error = NameUnnamedFile(file, target)) {
        return Failed(error == EEXIST ? FileStatus::kCreateFailed : FileStatus::kWriteFailed,
                      error);
    }
    if (const int error = file.Close()) {
        RemoveFile(target);
        return Failed(FileStatus::kWriteFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

}  // namespace

FileResult ReplaceFile(const std::string& directory, const std::string& target, TargetEntry entry,
                       std::uint32_t permissions, const ContentWriter& write) {
    if (entry == TargetEntry::kNone) {
        FileHandle file;
        const int error = CreateUnnamedFile(directory, file);
        if (error == 0) {
            return CreateThroughUnnamedFile(file, target, write);
        }
        if (error != EOPNOTSUPP) {
            return Failed(FileStatus::kCreateFailed, error);
        }
    }
    return ReplaceThroughTemporary(directory, target, entry, permissions, write);
}
