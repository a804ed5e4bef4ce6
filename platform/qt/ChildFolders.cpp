#include "platform/qt/ChildFolders.h"

#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// Whether entry of the open directory dir is a folder, following a symbolic
// link; the type readdir gives settles most entries without a stat.
bool IsFolder(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat status {};
    return ::fstatat(::dirfd(dir), entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::vector<std::string> ChildFolderNames(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        // "." and ".." start with "." too.
        if (entry->d_name[0] != '.' && IsFolder(dir.get(), *entry)) {
            names.emplace_back(entry->d_name);
        }
    }
    return names;
}

std::string ChildPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}
