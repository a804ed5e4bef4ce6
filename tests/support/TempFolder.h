// TempFolder: a fresh directory per test, removed with everything in it when
// the test ends, and small helpers to lay out and inspect files byte for byte.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Why a test of names differing only in case skips where FoldsCase().
inline constexpr const char* kFoldsCase = "the file system folds letter case";

// A path from a text of the engine's (bytes on POSIX, UTF-8 on Windows),
// and back.
std::filesystem::path PathOf(const std::string& text);
std::string TextOf(const std::filesystem::path& path);

class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // The folder text: the directory with a trailing "/". Names and texts
    // are the engine's: bytes on POSIX, UTF-8 on Windows.
    const std::string& text() const { return text_; }
    std::filesystem::path path() const { return path_; }

    // Writes bytes to name (relative to the folder) exactly as given.
    void Write(const std::string& name, const std::string& bytes) const;

    // The bytes of name, or nullopt when it cannot be read.
    std::optional<std::string> Read(const std::string& name) const;

    bool Exists(const std::string& name) const;

    // The entries of the folder, sorted by name.
    std::vector<std::string> Names() const;

    // Creates the sub-folder name and returns its folder text.
    std::string MakeFolder(const std::string& name) const;

    // True when the file system folds letter case (Windows): names that
    // differ only in case cannot both exist there.
    bool FoldsCase() const;

  private:
    std::filesystem::path path_;
    std::string text_;
};
