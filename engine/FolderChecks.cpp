#include <cerrno>
#include <string>

#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/SameFolder.h"

int HasBaseFile(std::string_view folder) {
    Folder data(FileSystem::Default(), folder);
    const auto location = data.Locate("ZELBAS00.DAT");
    FileFacts facts;
    return location && FileSystem::Default().QueryPath(location->path, facts) == 0 &&
                   facts.kind == EntryKind::kRegular
               ? 1
               : 0;
}

int IsFolder(std::string_view path) {
    FileFacts facts;
    return FileSystem::Default().QueryPath(std::string(path), facts) == 0 &&
                   facts.kind == EntryKind::kDirectory
               ? 1
               : 0;
}

int IsSameFolder(std::string_view a, std::string_view b) {
    return IsOneFolder(FileSystem::Default(), a, b) ? 1 : 0;
}

int CreateFolder(std::string_view path, int* error) {
    const std::string folder(path);
    const int madeError = FileSystem::Default().MakeFolder(folder);
    if (madeError == 0) {
        return 1;
    }
    if (madeError == EEXIST && IsFolder(folder) == 1) {
        return 1;
    }
    if (error != nullptr) {
        *error = madeError;
    }
    return 0;
}
