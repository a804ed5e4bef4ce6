// Mount: a file system mounted by a test and unmounted when the test ends:
// a small tmpfs (to fill it up, or to make it read-only) or a bind mount (to
// give one folder a second name).
//
// Mounting needs root (or CAP_SYS_ADMIN); where it is refused, Ok() is false
// and Error() says why, so that the test can skip with that reason.
#pragma once

#include <cstddef>
#include <string>

class Mount {
  public:
    // Mounts a tmpfs of sizeBytes on the existing folder target.
    static Mount Tmpfs(const std::string& target, std::size_t sizeBytes);
    // Mounts the folder source also on the existing folder target.
    static Mount Bind(const std::string& source, const std::string& target);

    Mount(Mount&& other) noexcept;
    Mount& operator=(Mount&&) = delete;
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    ~Mount();

    bool Ok() const { return mounted_; }
    const std::string& Error() const { return error_; }

    // Makes the mount read-only. Returns true on success.
    bool RemountReadOnly();

  private:
    Mount(std::string target, bool mounted, std::string error);

    std::string target_;
    bool mounted_;
    std::string error_;
};
