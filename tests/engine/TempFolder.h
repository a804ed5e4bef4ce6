// TempFolder: a fresh directory per test, removed with everything in it when
// the test ends, and small helpers to lay out and inspect files byte for byte.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // The folder text: the directory with a trailing "/".
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

  private:
    std::filesystem::path path_;
    std::string text_;
};
