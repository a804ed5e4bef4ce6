// Folder: one folder text of an operation and the files it reaches.
//
// A folder text is a plain prefix: the path of a file is the text followed
// directly by the file name. Names are resolved without regard to case
// against the directory the text points into; that directory is listed at
// most once per Folder, and only when a name is not found spelt exactly as
// asked (the exact spelling always wins, so the shortcut and the listing
// agree). A listing that fails part-way keeps the names read before the
// failure; a name it does not hold is then of unknown presence, never absent.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FileSystem.h"
#include "engine/FolderListing.h"

class Folder {
  public:
    // The folder text on fs, which must outlive the folder.
    Folder(FileSystem& fs, std::string_view text);

    // Where a file of this folder is.
    struct Location {
        std::string name;      // the name as the folder spells it, or as asked when absent
        std::string path;      // folder text + name
        bool exists;           // an entry of that name exists (of any type)
        int listingError = 0;  // when !exists: the errno of the failed listing
                               // that left its presence unknown, else 0
        // With asStored: the file system answers for the name, but no entry is
        // spelt so, not even in other A to Z case: it folds more (exFAT,
        // FAT: 成績Ａ and 成績ａ) and the name reaches an entry stored under
        // another name.
        bool storedOtherwise = false;
    };

    // Resolves name. Returns nullopt when folder text + name exceeds
    // kMaxPathBytes: such a path is refused, never cut. With asStored, an
    // existing file's name is the one the directory stores, also where the
    // file system finds it spelt otherwise (FAT, exFAT: a replacement must not
    // change it); that takes the folder's listing.
    std::optional<Location> Locate(std::string_view name, bool asStored = false);

    // The names (without folder text) of the entries that match pattern, as
    // FolderListing::Match chooses them. Not recursive: a pattern holding a
    // separator matches nothing. When listingError() is then not 0, the
    // matches are only those among the entries read before the listing failed.
    std::vector<std::string> Match(std::string_view pattern);

    // The errno of a listing that failed (opening the directory or reading
    // its entries), 0 when it succeeded or has not been needed.
    int listingError() const { return listing_ ? listing_->error() : 0; }

    // Records that name was created, so later lookups find it.
    void Added(std::string_view name);

    // Records the file identity was written in this operation, and asks
    // whether one was: a file system that folds more than A to Z can take two
    // source names to one file, which must not be written twice.
    void Wrote(const FileIdentity& identity) { written_.push_back(identity); }
    bool WroteEarlier(const FileIdentity& identity) const;

    // The directory that holds the folder's files ("" for the current one).
    const std::string& directory() const { return directory_; }

    // The file system the folder's files live on.
    FileSystem& fileSystem() const { return fs_; }

    // The start of every file name that the text holds after its directory.
    const std::string& stem() const { return stem_; }

    // Marks this folder as the source folder reached by another route, so
    // that none of its files is written (each is the source file itself).
    void MarkAsSourceRoute() { sourceRoute_ = true; }
    bool isSourceRoute() const { return sourceRoute_; }

  private:
    FolderListing& Listing();

    FileSystem& fs_;
    std::string text_;
    std::string directory_;  // text_ up to and including its last separator
    std::string stem_;       // the rest of text_: the start of every file name
    std::optional<FolderListing> listing_;
    std::vector<FileIdentity> written_;
    bool sourceRoute_ = false;
};
