// FileTransfer: carries one file of a source folder into a destination
// folder through a text transformation.
//
// Both names are resolved without regard to case: an existing destination
// file spelt differently is rewritten under its own name, a missing one is
// created under dstName. The destination is refused when it is the source
// file itself (compared by device and inode, so other spellings, symbolic and
// hard links are caught), and it is written through FileReplacement, so a
// failure leaves it as it was with its permission bits kept. An existing
// destination that is not a regular file, that is read-only (no write bit for
// its owner, whoever runs the program: kReadOnly) or that this process may not
// write, is left alone (kCreateFailed), and so is one whose facts cannot be
// read. A
// symbolic link at the destination is replaced by the new file; what it
// pointed to stays untouched.
#pragma once

#include <functional>
#include <string_view>

#include "engine/DataFolder.h"
#include "engine/Folder.h"
#include "engine/TextReader.h"
#include "engine/TextWriter.h"

// Writes the destination's content from the source's. Returns 0, or the errno
// for which what was read cannot be trusted (a failed read: reader.error()).
using TextTransform = std::function<int(TextReader&, TextWriter&)>;

// Carries src's srcName to dst's dstName. Returns a result whose name is left
// empty for the caller: kCopied on success; kAbsent or kNotRegular when
// there is no regular source file; kPathTooLong, kSameFile, kSourceUnreadable,
// kReadOnly, kNameClash (the name reaches a destination file of another name,
// one this operation wrote for another source name or one already there),
// kCreateFailed, kWriteFailed, kDiskFull or kFolderUnreadable (a name not
// found in a folder whose listing failed) with the errno on failure, the
// destination then untouched.
FileResult TransferFile(Folder& src, std::string_view srcName, Folder& dst,
                        std::string_view dstName, const TextTransform& transform);
