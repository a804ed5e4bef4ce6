#include "engine/FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>

#include <dirent.h>

#include "engine/FileName.h"

namespace {

template <typename Entry>
bool SortsBefore(const Entry& a, const Entry& b) {
    return std::tie(a.folded, a.name) < std::tie(b.folded, b.name);
}

bool IsDotOrDotDot(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

FolderListing FolderListing::Read(const std::string& directory) {
    FolderListing listing;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        listing.error_ = errno;
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            listing.error_ = errno;
            break;
        }
        if (!IsDotOrDotDot(entry->d_name)) {
            listing.entries_.push_back({FoldCase(entry->d_name), entry->d_name});
        }
    }
    ::closedir(dir);
    std::sort(listing.entries_.begin(), listing.entries_.end(), SortsBefore<Entry>);
    return listing;
}

std::vector<FolderListing::Entry>::const_iterator FolderListing::FirstFolded(
    std::string_view folded) const {
    return std::lower_bound(
        entries_.begin(), entries_.end(), folded,
        [](const Entry& entry, std::string_view key) { return entry.folded < key; });
}

const std::string* FolderListing::Find(std::string_view name) const {
    const std::string folded = FoldCase(name);
    const std::string* first = nullptr;
    for (auto it = FirstFolded(folded); it != entries_.end() && it->folded == folded; ++it) {
        if (it->name == name) {
            return &it->name;
        }
        if (first == nullptr) {
            first = &it->name;
        }
    }
    return first;
}

std::vector<std::string> FolderListing::Match(std::string_view pattern) const {
    // Every match starts with the pattern's literal prefix: only that range of
    // the sorted listing needs looking at.
    const std::string prefix = FoldCase(LiteralPrefix(pattern));
    std::vector<std::string> matches;
    const std::string* lastFolded = nullptr;
    for (auto it = FirstFolded(prefix);
         it != entries_.end() && std::string_view(it->folded).starts_with(prefix); ++it) {
        if ((lastFolded == nullptr || *lastFolded != it->folded) &&
            MatchesPattern(pattern, it->name)) {
            matches.push_back(it->name);
            lastFolded = &it->folded;
        }
    }
    return matches;
}

void FolderListing::Add(std::string_view name) {
    Entry entry{FoldCase(name), std::string(name)};
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry, SortsBefore<Entry>);
    if (at == entries_.end() || at->name != entry.name) {
        entries_.insert(at, std::move(entry));
    }
}
