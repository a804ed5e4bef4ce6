#include "platform/qt/NewFolder.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/qt/ChildFolders.h"

int MakeNewFolder(const std::string& parent, std::string& name) {
    const std::string base = "新しいフォルダー";
    std::string candidate = base;
    for (int number = 2; ::mkdir(ChildPath(parent, candidate).c_str(), 0777) != 0; ++number) {
        if (errno != EEXIST) {
            return 0;
        }
        candidate = base + " (" + std::to_string(number) + ")";
    }
    name = candidate;
    return 1;
}

int RenameFolder(const std::string& from, const std::string& to) {
    // rename() would replace an empty folder at to.
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 1 : 0;
}
