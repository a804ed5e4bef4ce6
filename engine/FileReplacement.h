// FileReplacement: writes a destination file so that a failure never destroys
// what was there.
//
// The new content goes to a temporary file in the destination's directory
// and is renamed over the target only when every write, the flush and the
// close succeeded. On any failure the temporary is removed and the target is
// left untouched. The temporary's name, ".~fileutility-XXXXXX.tmp", matches
// none of the catalogue's names or patterns, so a temporary left by a killed
// process is never copied by a later operation.
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

// Replaces target, a file in directory ("" for the current one), with what
// write produces, giving it permissions (see SetPermissions). When replacing
// is set (an existing file is overwritten) the new content is flushed to disk
// before the rename, so that a crash leaves the old or the new file, never an
// empty one. Returns kCopied on success; otherwise kCreateFailed, kWriteFailed,
// kDiskFull or kSourceUnreadable with the errno, the target untouched and no
// temporary left.
FileResult ReplaceFile(const std::string& directory, const std::string& target,
                       std::uint32_t permissions, bool replacing, const ContentWriter& write);
