#include <cerrno>
#include <string>

#include <sys/stat.h>

#include "engine/DataFolder.h"
#include "engine/Folder.h"

int HasBaseFile(std::string_view folder) {
    Folder data(folder);
    const auto location = data.Locate("ZELBAS00.DAT");
    struct stat info {};
    return location && ::stat(location->path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? 1 : 0;
}

int IsFolder(std::string_view path) {
    struct stat info {};
    return ::stat(std::string(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 1 : 0;
}

int IsSameFolder(std::string_view a, std::string_view b) {
    struct stat first {};
    struct stat second {};
    return ::stat(std::string(a).c_str(), &first) == 0 &&
                   ::stat(std::string(b).c_str(), &second) == 0 && S_ISDIR(first.st_mode) &&
                   S_ISDIR(second.st_mode) && first.st_dev == second.st_dev &&
                   first.st_ino == second.st_ino
               ? 1
               : 0;
}

int CreateFolder(std::string_view path, int* error) {
    const std::string folder(path);
    if (::mkdir(folder.c_str(), 0777) == 0) {
        return 1;
    }
    const int mkdirError = errno;
    struct stat info {};
    if (mkdirError == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return 1;
    }
    if (error != nullptr) {
        *error = mkdirError;
    }
    return 0;
}
