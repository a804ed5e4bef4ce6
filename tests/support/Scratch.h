// Scratch: throw-away folders and whole-file helpers for the fault tests.
//
// Every test works in its own folder under the system's temporary folder,
// removed with everything in it when the Scratch object goes. Files are read
// and written as raw bytes, so the tests can compare them byte for byte.
#pragma once

#include <string>
#include <vector>

class Scratch {
  public:
    // Creates a fresh folder; aborts the test program when that fails, since
    // no test can run without one.
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // The folder's path without a trailing separator.
    const std::string& Path() const { return path_; }

    // Creates the sub-folder name (with parents) and returns its folder text:
    // its path with a trailing "/", as the engine takes folder texts.
    std::string Folder(const std::string& name) const;

  private:
    std::string path_;
};

// Writes bytes to path, replacing what was there. Returns true on success.
bool WriteBytes(const std::string& path, const std::string& bytes);

// The whole content of path, or "<missing>" when it cannot be read: a text
// that no test file holds, so a comparison with it fails visibly.
std::string ReadBytes(const std::string& path);

// True when path names an existing entry (not following a final link).
bool Exists(const std::string& path);

// The names in folder (without "." and ".."), sorted bytewise; empty when the
// folder cannot be read.
std::vector<std::string> ListNames(const std::string& folder);

// Removes path and everything below it. Returns true when nothing is left.
bool RemoveTree(const std::string& path);
