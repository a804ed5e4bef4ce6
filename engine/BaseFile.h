// BaseFile: the base file "ZELBAS00.DAT" of a data folder, whose line 23 is
// the folder's title.
//
// Lines are physical lines, whatever their length: a written base file has
// exactly 26 CR LF lines, source lines 1 to 22 and 24 to 26 carried whole
// (missing ones empty) and the title as line 23.
#pragma once

#include <string_view>

#include "engine/DataFolder.h"
#include "engine/Folder.h"

// The name a new destination base file gets.
inline constexpr std::string_view kBaseFileName = "zelbas00.dat";

// Writes dst's base file from src's with title as line 23. A title is one
// line: it is cut before its first CR, LF or byte 0x1A, each of which would
// break the line structure when the file is read back. Returns a result named
// kBaseFileName: kCopied on success; a missing source base file is
// kSourceUnreadable with ENOENT (a data folder without it cannot be
// prepared), a source that is not a regular file kSourceUnreadable with
// EINVAL; otherwise as TransferFile.
FileResult WriteBaseFileBetween(Folder& src, Folder& dst, std::string_view title);

// The title as written to line 23: title up to its first CR, LF or 0x1A.
std::string_view TitleLine(std::string_view title);

// The length of text cut at a Shift-JIS character boundary to at most
// maxBytes (lead bytes 0x81 to 0x9F and 0xE0 to 0xFC start a two-byte
// character). Text that fits is kept whole.
std::size_t ShiftJisCut(std::string_view text, std::size_t maxBytes);
