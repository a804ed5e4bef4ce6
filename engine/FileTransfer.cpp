#include "engine/FileTransfer.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/FileReplacement.h"
#include "engine/SourceFile.h"

namespace {

FileResult Result(FileStatus status, int systemError = 0) {
    return {"", status, systemError};
}

bool IsSameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The errno for which the existing file at path (of status info) must stay
// as it is, 0 when it may be replaced. The rename that replaces it would not
// notice either refusal. A read-only file, one without a write bit for its
// owner, stays for every user, root included, whose access check passes any
// file; a file this process may not write stays, as opening it would fail.
int ReplacementRefusal(const std::string& path, const struct stat& info) {
    if ((info.st_mode & S_IWUSR) == 0) {
        return EACCES;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 ? errno : 0;
}

}  // namespace

FileResult TransferFile(Folder& src, std::string_view srcName, Folder& dst,
                        std::string_view dstName, const TextTransform& transform) {
    const auto from = src.Locate(srcName);
    const auto to = dst.Locate(dstName);
    if (!from || !to) {
        return Result(FileStatus::kPathTooLong, ENAMETOOLONG);
    }
    if (!from->exists) {
        return from->listingError != 0 ? Result(FileStatus::kFolderUnreadable, from->listingError)
                                       : Result(FileStatus::kAbsent, ENOENT);
    }
    SourceFile source = OpenSourceFile(from->path);
    if (source.status != FileStatus::kCopied) {
        return Result(source.status, source.systemError);
    }
    // Without a complete listing a copy under dstName could stand beside the
    // file spelt in other case that it was meant to replace.
    if (!to->exists && to->listingError != 0) {
        return Result(FileStatus::kFolderUnreadable, to->listingError);
    }
    struct stat target {};
    const bool replacing = ::stat(to->path.c_str(), &target) == 0;
    if (replacing && IsSameFile(target, source.info)) {
        return Result(FileStatus::kSameFile);
    }
    if (replacing && !S_ISREG(target.st_mode)) {
        return Result(FileStatus::kCreateFailed, S_ISDIR(target.st_mode) ? EISDIR : EEXIST);
    }
    if (replacing) {
        if (const int refusal = ReplacementRefusal(to->path, target)) {
            return Result(FileStatus::kCreateFailed, refusal);
        }
    }
    const mode_t mode = replacing ? (target.st_mode & 07777) : NewFileMode();
    FileResult result =
        ReplaceFile(dst.directory(), to->path, mode, replacing, [&](TextWriter& writer) {
            TextReader reader(source.fd.get());
            transform(reader, writer);
            return reader.error();
        });
    if (result.status == FileStatus::kCopied && !to->exists) {
        dst.Added(to->name);
    }
    return result;
}
