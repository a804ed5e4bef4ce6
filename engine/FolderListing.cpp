#include "engine/FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <tuple>

#include "engine/FileName.h"
#include "engine/FileSystem.h"

namespace {

template <typename Entry>
bool SortsBefore(const Entry& a, const Entry& b) {
    return std::tie(a.folded, a.name) < std::tie(b.folded, b.name);
}

// The first eight bytes of text from offset at, as a number that orders as
// the bytes do (missing bytes count as 0, below any byte of a name).
std::uint64_t OrderWord(const std::string& text, std::size_t at) {
    std::uint64_t word = 0;
    for (std::size_t i = at; i < at + 8; ++i) {
        word = word << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    }
    return word;
}

// Sorting a crowded folder's entries by their strings costs as much as
// reading the folder: every comparison reaches into two scattered strings.
// Keys holding each folded name's first 16 bytes settle nearly every
// comparison on their own; the entries are then moved once into that order.
template <typename Entry>
void SortEntries(std::vector<Entry>& entries) {
    struct Key {
        std::uint64_t head;
        std::uint64_t tail;
        std::size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.push_back({OrderWord(entries[i].folded, 0), OrderWord(entries[i].folded, 8), i});
    }
    std::sort(keys.begin(), keys.end(), [&entries](const Key& a, const Key& b) {
        if (a.head != b.head || a.tail != b.tail) {
            return std::tie(a.head, a.tail) < std::tie(b.head, b.tail);
        }
        return SortsBefore(entries[a.index], entries[b.index]);
    });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys) {
        sorted.push_back(std::move(entries[key.index]));
    }
    entries = std::move(sorted);
}

}  // namespace

FolderListing FolderListing::Read(FileSystem& fs, const std::string& directory) {
    FolderListing listing;
    std::vector<std::string> names;
    const int error = fs.ListFolder(directory, names);
    // A folder that is not there holds no files; any other failure is kept.
    listing.error_ = error == ENOENT || error == ENOTDIR ? 0 : error;
    listing.entries_.reserve(names.size());
    for (std::string& name : names) {
        listing.entries_.push_back({FoldCase(name), std::move(name)});
    }
    SortEntries(listing.entries_);
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
