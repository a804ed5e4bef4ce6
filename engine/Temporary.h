// Temporary: the engine's own short-lived files in a destination folder, named
// ".~fileutility-XXXXXX.tmp" with six random name bytes: a name that matches
// none of the catalogue's names or patterns, so that one left by a killed
// process is never copied by a later operation.
#pragma once

#include <string>

#include "engine/FileSystem.h"

// Creates a new file in directory (a folder text ending in a separator, or ""
// for the current folder) under a temporary name no entry has yet; path then
// holds it and file is open for writing. Returns 0 or the errno (EEXIST only
// when every name tried was taken).
[[nodiscard]] int CreateTemporary(FileSystem& fs, const std::string& directory, std::string& path,
                                  FileHandle& file);
