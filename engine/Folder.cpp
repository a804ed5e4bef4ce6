#include "engine/Folder.h"

#include <algorithm>

#include "engine/DataFolder.h"
#include "engine/FileSystem.h"

Folder::Folder(FileSystem& fs, std::string_view text) : fs_(fs), text_(text) {
    const std::size_t slash = text_.find_last_of(kPathSeparators);
    const std::size_t stemAt = slash == std::string::npos ? 0 : slash + 1;
    directory_ = text_.substr(0, stemAt);
    stem_ = text_.substr(stemAt);
}

std::optional<Folder::Location> Folder::Locate(std::string_view name, bool asStored) {
    if (fs_.PathBytes(text_ + std::string(name)) > kMaxPathBytes) {
        return std::nullopt;
    }
    Location location{std::string(name), text_ + std::string(name), false};
    if (fs_.EntryExists(location.path)) {
        location.exists = true;
        if (!asStored) {
            return location;
        }
    }
    if (name.find_first_of(kPathSeparators) != std::string_view::npos) {
        return location;
    }
    if (const std::string* entry = Listing().Find(stem_ + std::string(name))) {
        location.name = entry->substr(stem_.size());
        location.path = directory_ + *entry;
        location.exists = true;
    } else if (!location.exists) {
        location.listingError = Listing().error();
    } else {
        location.storedOtherwise = Listing().error() == 0;
    }
    return location;
}

bool Folder::WroteEarlier(const FileIdentity& identity) const {
    return std::find(written_.begin(), written_.end(), identity) != written_.end();
}

std::vector<std::string> Folder::Match(std::string_view pattern) {
    if (pattern.find_first_of(kPathSeparators) != std::string_view::npos) {
        return {};
    }
    std::vector<std::string> names = Listing().Match(stem_ + std::string(pattern));
    for (std::string& name : names) {
        name.erase(0, stem_.size());
    }
    return names;
}

void Folder::Added(std::string_view name) {
    if (listing_) {
        listing_->Add(stem_ + std::string(name));
    }
}

FolderListing& Folder::Listing() {
    if (!listing_) {
        listing_ = FolderListing::Read(fs_, directory_);
    }
    return *listing_;
}
