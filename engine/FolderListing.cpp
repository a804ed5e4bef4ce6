#include "engine/FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <tuple>

#include "engine/FileName.h"
#include "engine/FileSystem.h"

namespace {

// Orders a and b as their folded forms order (negative, 0 or positive).
int CompareFolded(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(FoldCase(a[i]));
        const auto y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SortsBefore(const std::string& a, const std::string& b) {
    const int folded = CompareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

// The first eight folded bytes of name from offset at, as a number that orders
// as the bytes do (missing bytes count as 0, below any byte of a name).
std::uint64_t OrderWord(const std::string& name, std::size_t at) {
    std::uint64_t word = 0;
    for (std::size_t i = at; i < at + 8; ++i) {
        word = word << 8 | (i < name.size() ? static_cast<unsigned char>(FoldCase(name[i])) : 0u);
    }
    return word;
}

// Sorting a crowded folder's entries by their strings costs as much as
// reading the folder: every comparison reaches into two scattered strings.
// Keys holding each folded name's first 16 bytes settle nearly every
// comparison on their own; the entries are then moved once into that order.
void SortEntries(std::vector<std::string>& entries) {
    struct Key {
        std::uint64_t head;
        std::uint64_t tail;
        std::size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.push_back({OrderWord(entries[i], 0), OrderWord(entries[i], 8), i});
    }
    std::sort(keys.begin(), keys.end(), [&entries](const Key& a, const Key& b) {
        if (a.head != b.head || a.tail != b.tail) {
            return std::tie(a.head, a.tail) < std::tie(b.head, b.tail);
        }
        return SortsBefore(entries[a.index], entries[b.index]);
    });
    std::vector<std::string> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys) {
        sorted.push_back(std::move(entries[key.index]));
    }
    entries = std::move(sorted);
}

}  // namespace

FolderListing FolderListing::Read(FileSystem& fs, const std::string& directory) {
    FolderListing listing;
    const int error = fs.ListFolder(directory, listing.entries_);
    // A folder that is not there holds no files; any other failure is kept.
    listing.error_ = error == ENOENT || error == ENOTDIR ? 0 : error;
    SortEntries(listing.entries_);
    return listing;
}

std::vector<std::string>::const_iterator FolderListing::FirstFolded(std::string_view folded) const {
    return std::lower_bound(entries_.begin(), entries_.end(), folded,
                            [](const std::string& entry, std::string_view key) {
                                return CompareFolded(entry, key) < 0;
                            });
}

const std::string* FolderListing::Find(std::string_view name) const {
    const std::string* first = nullptr;
    for (auto it = FirstFolded(name); it != entries_.end() && EqualsFolded(*it, name); ++it) {
        if (*it == name) {
            return &*it;
        }
        if (first == nullptr) {
            first = &*it;
        }
    }
    return first;
}

std::vector<std::string> FolderListing::Match(std::string_view pattern) const {
    // Every match starts with the pattern's literal prefix: only that range of
    // the sorted listing needs looking at.
    const std::string_view prefix = LiteralPrefix(pattern);
    std::vector<std::string> matches;
    const std::string* last = nullptr;
    for (auto it = FirstFolded(prefix);
         it != entries_.end() && it->size() >= prefix.size() &&
         EqualsFolded(std::string_view(*it).substr(0, prefix.size()), prefix);
         ++it) {
        if ((last == nullptr || !EqualsFolded(*last, *it)) && MatchesPattern(pattern, *it)) {
            matches.push_back(*it);
            last = &*it;
        }
    }
    return matches;
}

void FolderListing::Add(std::string_view name) {
    std::string entry(name);
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry, SortsBefore);
    if (at == entries_.end() || *at != entry) {
        entries_.insert(at, std::move(entry));
    }
}
