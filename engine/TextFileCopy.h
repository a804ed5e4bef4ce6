// TextFileCopy: the text-mode copy of data files, by name and by pattern,
// between the folders of one operation.
//
// The copy is a stream: CR LF and LF-only line ends both reach the
// destination as CR LF, a lone CR passes, the data ends at the first byte
// 0x1A, and every other byte (NUL included) is copied as it is. A file that
// this would leave unchanged (see TextForm.h) is found so by one read and
// copied inside the system where it can (Linux); any other is translated in
// one pass.
#pragma once

#include <string_view>
#include <vector>

#include "engine/DataFolder.h"
#include "engine/Folder.h"

// Copies src's file name to dst. The result carries name; see TransferFile
// for its statuses.
FileResult CopyNamedFile(Folder& src, Folder& dst, std::string_view name);

// Copies every entry of src that matches pattern, each under the name the
// source spells it. Returns one result per matched entry (skipped entries
// included), empty when nothing matches.
std::vector<FileResult> CopyMatchingFiles(Folder& src, Folder& dst, std::string_view pattern);
