#include "engine/FileReplacement.h"

namespace {

// The last 4 bytes, ".tmp", are the suffix that the unique name keeps.
constexpr char kTemporaryName[] = ".~fileutility-XXXXXX.tmp";
constexpr std::size_t kTemporarySuffixBytes = 4;

FileResult Failed(FileStatus status, int systemError) {
    return {"", IsOutOfSpace(systemError) ? FileStatus::kDiskFull : status, systemError};
}

// Writes, flushes and closes the temporary; returns kCopied or the failure.
FileResult FillTemporary(FileHandle& file, std::uint32_t permissions, bool replacing,
                         const ContentWriter& write) {
    if (const int error = SetPermissions(file, permissions)) {
        return Failed(FileStatus::kCreateFailed, error);
    }
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
    if (const int error = FlushWrittenFile(file, replacing)) {
        return Failed(FileStatus::kWriteFailed, error);
    }
    if (const int error = file.Close()) {
        return Failed(FileStatus::kWriteFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

}  // namespace

FileResult ReplaceFile(const std::string& directory, const std::string& target,
                       std::uint32_t permissions, bool replacing, const ContentWriter& write) {
    std::string temporary = directory + kTemporaryName;
    FileHandle file;
    if (const int error = CreateUniqueFile(temporary, kTemporarySuffixBytes, file)) {
        return Failed(FileStatus::kCreateFailed, error);
    }
    FileResult result = FillTemporary(file, permissions, replacing, write);
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
