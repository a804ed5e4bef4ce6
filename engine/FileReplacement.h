// FileReplacement: writes a destination file so that a failure never destroys
// what was there.
//
// A file that replaces another is written to a temporary file in the
// destination's directory, flushed, and renamed over the target only when
// every write, the flush and the close succeeded. A new file is written
// without a name where the system allows it (Linux) and linked under its name
// once complete, so that no rename is needed and a crash leaves no temporary;
// elsewhere it takes the temporary and the rename too. On any failure the
// temporary is removed and the target is left untouched. The temporary's
// name, ".~fileutility-XXXXXX.tmp", matches none of the catalogue's names or
// patterns, so a temporary left by a killed process is never copied by a
// later operation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/TextWriter.h"

// Fills a new destination file. Returns 0, or the errno of a failed read of
// the source (the replacement is then abandoned).
using ContentWriter = std::function<int(TextWriter&)>;

// What stands under the target's name before it is written.
enum class TargetEntry {
    kNone,   // nothing: the new file never takes the place of an entry that
             // appears meanwhile (kCreateFailed, EEXIST)
    kOther,  // an entry that is no file to keep (a symbolic link to nothing)
    kFile,   // a regular file, replaced only once the new content is on disk
};

// Writes target, a file in directory ("" for the current one) of fs, with what
// write produces. A new file gets the permissions the system gives new files;
// one that replaces a regular file (kFile) gets the owner, group and
// permissions of replaced as far as the system allows (see SetOwner and
// SetPermissions; neither fails the copy where the file system keeps none of
// its own) and is flushed to disk before the rename, so that a crash leaves
// the old or the new file, never an empty one. Returns kCopied on
// success; otherwise kCreateFailed, kWriteFailed, kDiskFull or
// kSourceUnreadable with the errno, the target untouched and no temporary
// left.
FileResult ReplaceFile(FileSystem& fs, const std::string& directory, const std::string& target,
                       TargetEntry entry, const FileFacts& replaced, const ContentWriter& write);
