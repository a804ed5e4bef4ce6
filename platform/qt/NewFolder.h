// NewFolder: the folder a folder browser makes when the user asks for a new
// one, and its renaming when the user names it.
#pragma once

#include <string>

// Makes an empty folder named "新しいフォルダー" in parent, or
// "新しいフォルダー (2)", "(3)"... when that name is taken. Returns 1 with the
// name it made in name; 0 when no folder could be made (parent missing or
// not writable), name then unchanged.
int MakeNewFolder(const std::string& parent, std::string& name);

// Renames the folder from to to, never replacing what is at to. Returns 1
// when renamed, 0 when not (to exists, from is gone, no permission).
int RenameFolder(const std::string& from, const std::string& to);
