#include "engine/FileReplacement.h"

#include <cerrno>

#include "engine/Temporary.h"

namespace {

// One replacement: the file system it writes on and what fills the file.
struct Replacement {
    FileSystem& fs;
    const ContentWriter& write;

    FileResult Failed(FileStatus status, int systemError) const {
        return {"", fs.IsOutOfSpace(systemError) ? FileStatus::kDiskFull : status, systemError};
    }
};

// Writes the content into file; returns kCopied or the failure.
FileResult WriteContent(const Replacement& job, const FileHandle& file) {
    TextWriter writer(job.fs, file);
    const int readError = job.write(writer);
    if (writer.error() != 0) {
        return job.Failed(FileStatus::kWriteFailed, writer.error());
    }
    if (readError != 0) {
        return job.Failed(FileStatus::kSourceUnreadable, readError);
    }
    if (!writer.Flush()) {
        return job.Failed(FileStatus::kWriteFailed, writer.error());
    }
    return {"", FileStatus::kCopied, 0};
}

// Errors by which a file system says it keeps no permissions of its own
// (FAT: ENOSYS; a stick mounted for everyone: EPERM): the new file then has
// what the file system gives every file, as the old one had.
bool KeepsNoPermissions(int error) {
    return error == EPERM || error == ENOSYS || error == EOPNOTSUPP;
}

// Gives the temporary what the replaced file had: its owner and group as far
// as this process may (never a reason to fail: the content is what counts),
// then its permissions (after the owner, whose change may clear some).
FileResult CarryOver(const Replacement& job, const FileHandle& file, const FileFacts& replaced) {
    static_cast<void>(job.fs.SetOwner(file, replaced.owner, replaced.group));
    const int error = job.fs.SetPermissions(file, replaced.permissions);
    if (error != 0 && !KeepsNoPermissions(error)) {
        return job.Failed(FileStatus::kCreateFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

// Writes, flushes and closes the temporary; returns kCopied or the failure.
FileResult FillTemporary(const Replacement& job, FileHandle& file, TargetEntry entry,
                         const FileFacts& replaced) {
    const bool replacing = entry == TargetEntry::kFile;
    if (replacing) {
        if (FileResult result = CarryOver(job, file, replaced);
            result.status != FileStatus::kCopied) {
            return result;
        }
    }
    if (FileResult result = WriteContent(job, file); result.status != FileStatus::kCopied) {
        return result;
    }
    if (const int error = job.fs.FlushWrittenFile(file, replacing)) {
        return job.Failed(FileStatus::kWriteFailed, error);
    }
    if (const int error = job.fs.CloseFile(file)) {
        return job.Failed(FileStatus::kWriteFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

// Moves the complete temporary to target: over the file it replaces, or, for
// a new file, never over an entry that appeared meanwhile (kCreateFailed,
// EEXIST, as where unnamed files are named).
FileResult PlaceTemporary(const Replacement& job, const std::string& temporary,
                          const std::string& target, TargetEntry entry) {
    const int error = entry == TargetEntry::kNone ? job.fs.RenameWithoutReplacing(temporary, target)
                                                  : job.fs.RenameReplacing(temporary, target);
    if (error == 0) {
        return {"", FileStatus::kCopied, 0};
    }
    return job.Failed(error == EEXIST && entry == TargetEntry::kNone ? FileStatus::kCreateFailed
                                                                     : FileStatus::kWriteFailed,
                      error);
}

FileResult ReplaceThroughTemporary(const Replacement& job, const std::string& directory,
                                   const std::string& target, TargetEntry entry,
                                   const FileFacts& replaced) {
    std::string temporary;
    FileHandle file;
    if (const int error = CreateTemporary(job.fs, directory, temporary, file)) {
        return job.Failed(FileStatus::kCreateFailed, error);
    }
    FileResult result = FillTemporary(job, file, entry, replaced);
    if (result.status == FileStatus::kCopied) {
        result = PlaceTemporary(job, temporary, target, entry);
    }
    if (result.status != FileStatus::kCopied) {
        // Closed before it is removed, which Windows needs; the removal is
        // what counts.
        static_cast<void>(file.Close());
        job.fs.RemoveFile(temporary);
    }
    return result;
}

// Fills the unnamed file and names it target. A failed close, which may be
// the first word of a lost write, takes the new name away again: nothing was
// under it before.
FileResult CreateThroughUnnamedFile(const Replacement& job, FileHandle& file,
                                    const std::string& target) {
    if (FileResult result = WriteContent(job, file); result.status != FileStatus::kCopied) {
        return result;
    }
    if (const int error = job.fs.FlushWrittenFile(file, false)) {
        return job.Failed(FileStatus::kWriteFailed, error);
    }
    if (const int error = job.fs.NameUnnamedFile(file, target)) {
        return job.Failed(error == EEXIST ? FileStatus::kCreateFailed : FileStatus::kWriteFailed,
                          error);
    }
    if (const int error = job.fs.CloseFile(file)) {
        job.fs.RemoveFile(target);
        return job.Failed(FileStatus::kWriteFailed, error);
    }
    return {"", FileStatus::kCopied, 0};
}

}  // namespace

FileResult ReplaceFile(FileSystem& fs, const std::string& directory, const std::string& target,
                       TargetEntry entry, const FileFacts& replaced, const ContentWriter& write) {
    const Replacement job{fs, write};
    if (entry == TargetEntry::kNone) {
        FileHandle file;
        const int error = fs.CreateUnnamedFile(directory, file);
        if (error == 0) {
            return CreateThroughUnnamedFile(job, file, target);
        }
        if (error != EOPNOTSUPP) {
            return job.Failed(FileStatus::kCreateFailed, error);
        }
    }
    return ReplaceThroughTemporary(job, directory, target, entry, replaced);
}
