#include "engine/FileTransfer.h"

#include <cerrno>
#include <string>

#include "engine/FileReplacement.h"
#include "engine/SourceFile.h"

namespace {

FileResult Result(FileStatus status, int systemError = 0) {
    return {"", status, systemError};
}

// Why the existing file at path (of facts target) must stay as it is:
// kCopied when it may be replaced. The rename that replaces it would not
// notice either refusal. A read-only file stays for every user, root
// included, whose access check passes any file; a file this process may not
// write stays, as opening it would fail.
FileResult ReplacementRefusal(FileSystem& fs, const std::string& path, const FileFacts& target) {
    if (target.readOnly) {
        return Result(FileStatus::kReadOnly, EACCES);
    }
    if (const int error = fs.WriteAccessRefusal(path)) {
        return Result(FileStatus::kCreateFailed, error);
    }
    return Result(FileStatus::kCopied);
}

// Records the file result placed at path, so that no later file of the
// operation replaces it; a new file refused because that file stands under
// its name (Windows folds more than A to Z too) is told apart from one that
// another program made.
FileResult Written(Folder& dst, const std::string& path, FileResult result) {
    const bool copied = result.status == FileStatus::kCopied;
    FileFacts placed;
    if ((!copied && result.systemError != EEXIST) ||
        dst.fileSystem().QueryPath(path, placed) != 0) {
        return result;
    }
    if (copied) {
        dst.Wrote(placed.identity);
    } else if (dst.WroteEarlier(placed.identity)) {
        result.status = FileStatus::kNameClash;
    }
    return result;
}

}  // namespace

FileResult TransferFile(Folder& src, std::string_view srcName, Folder& dst,
                        std::string_view dstName, const TextTransform& transform) {
    const auto from = src.Locate(srcName);
    const auto to = dst.Locate(dstName, true);
    if (!from || !to) {
        return Result(FileStatus::kPathTooLong, ENAMETOOLONG);
    }
    if (!from->exists) {
        return from->listingError != 0 ? Result(FileStatus::kFolderUnreadable, from->listingError)
                                       : Result(FileStatus::kAbsent, ENOENT);
    }
    SourceFile source = OpenSourceFile(src.fileSystem(), from->path);
    if (!source.opened()) {
        return Result(source.refusal, source.systemError);
    }
    if (dst.isSourceRoute()) {
        return Result(FileStatus::kSameFile);
    }
    // Without a complete listing a copy under dstName could stand beside the
    // file spelt in other case that it was meant to replace.
    if (!to->exists && to->listingError != 0) {
        return Result(FileStatus::kFolderUnreadable, to->listingError);
    }
    // Writing through the name would replace a file of another name.
    if (to->storedOtherwise) {
        return Result(FileStatus::kNameClash, EEXIST);
    }
    // A complete listing without the name leaves nothing to ask the system.
    FileSystem& fs = dst.fileSystem();
    FileFacts target;
    const int queryError = to->exists ? fs.QueryPath(to->path, target) : ENOENT;
    // A listed entry that leads nowhere is a symbolic link to nothing; any
    // other failed query leaves unknown what would be replaced, so it stays.
    if (queryError != 0 && queryError != ENOENT) {
        return Result(FileStatus::kCreateFailed, queryError);
    }
    const bool replacing = queryError == 0;
    if (replacing && target.identity == source.facts.identity) {
        return Result(FileStatus::kSameFile);
    }
    if (replacing && dst.WroteEarlier(target.identity)) {
        return Result(FileStatus::kNameClash, EEXIST);
    }
    if (replacing && target.kind != EntryKind::kRegular) {
        return Result(FileStatus::kCreateFailed,
                      target.kind == EntryKind::kDirectory ? EISDIR : EEXIST);
    }
    if (replacing) {
        if (FileResult refusal = ReplacementRefusal(fs, to->path, target);
            refusal.status != FileStatus::kCopied) {
            return refusal;
        }
    }
    // An entry listed but not found by its path is a symbolic link to nothing.
    const TargetEntry entry = replacing    ? TargetEntry::kFile
                              : to->exists ? TargetEntry::kOther
                                           : TargetEntry::kNone;
    FileResult result =
        ReplaceFile(fs, dst.directory(), to->path, entry, target, [&](TextWriter& writer) {
            TextReader reader(src.fileSystem(), source.file);
            return transform(reader, writer);
        });
    if (result.status == FileStatus::kCopied && !to->exists) {
        dst.Added(to->name);
    }
    return Written(dst, to->path, result);
}
