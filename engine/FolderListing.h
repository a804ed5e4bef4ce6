// FolderListing: the names of one directory, read once and kept sorted so
// that every catalogue name and pattern of an operation is resolved without
// scanning the directory again.
//
// Names are kept as the file system gives them. Where several entries differ
// only in letter case, lookups make one fixed choice: the entry spelt exactly
// as asked wins, else the first of them in byte order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class FileSystem;

class FolderListing {
  public:
    // An empty listing.
    FolderListing() = default;

    // Reads every entry of directory of fs ("" means the current directory) except
    // "." and "..". A directory that does not exist (ENOENT, ENOTDIR) holds
    // nothing: its listing is empty and complete. One that cannot be opened
    // or read to its end keeps the entries read so far; error() then holds
    // the errno.
    static FolderListing Read(FileSystem& fs, const std::string& directory);

    // The entry named name without regard to case, or nullptr when there is
    // none. The pointer stays valid until the listing changes.
    const std::string* Find(std::string_view name) const;

    // The entries that match pattern without regard to case ("*" any run,
    // "?" one byte), ordered by their folded names; of entries that differ only
    // in case, only the first in byte order.
    std::vector<std::string> Match(std::string_view pattern) const;

    // Records an entry created after the listing was read.
    void Add(std::string_view name);

    std::size_t size() const { return entries_.size(); }
    int error() const { return error_; }

  private:
    std::vector<std::string>::const_iterator FirstFolded(std::string_view folded) const;

    // Sorted by the names with A to Z folded, then by the names themselves;
    // the folded forms are compared as they are needed, never stored, so a
    // crowded folder costs one string per entry, as its listing does.
    std::vector<std::string> entries_;
    int error_ = 0;
};
