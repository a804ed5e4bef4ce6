// ChildFolders: the folders a folder browser shows under a folder, read
// straight from the file system so that each name keeps the bytes it has on
// disk (a Shift-JIS name from an archive made elsewhere stays Shift-JIS).
#pragma once

#include <string>
#include <vector>

// Returns the names of folder's subfolders, symbolic links to folders
// included, in no particular order. Hidden ones (a name starting with ".")
// are left out, as a desktop's file manager hides them. A folder that cannot
// be read, or an entry that cannot be examined, contributes nothing.
std::vector<std::string> ChildFolderNames(const std::string& folder);

// Returns folder and name joined by one "/" (folder "/" gives "/name").
std::string ChildPath(const std::string& folder, const std::string& name);
