// Medium: the file systems backups go to, mounted by a test and unmounted when
// it ends: FAT, exFAT and NTFS images through the FUSE drivers that read
// school USB sticks here (fusefat, exfat-fuse, ntfs-3g), and two other routes
// to a folder (a bindfs mirror, an overlay's merged view).
//
// Mounting needs root, /dev/fuse and the driver's package; where any is
// missing, Ok() is false and Error() says why, so that the test skips.
#pragma once

#include <string>

class Medium {
  public:
    enum class Kind { kFat, kExFat, kExFatForEveryone, kNtfs };

    // Makes a 64 MiB image of kind at image and mounts it on the existing
    // folder target (kExFatForEveryone: umask=0, as a stick shared by all).
    static Medium Image(Kind kind, const std::string& image, const std::string& target);
    // Mirrors the folder source on target through bindfs.
    static Medium Mirror(const std::string& source, const std::string& target);
    // Mounts an overlay of lower and upper (work: its scratch folder) on
    // merged.
    static Medium Overlay(const std::string& lower, const std::string& upper,
                          const std::string& work, const std::string& merged);

    Medium(Medium&& other) noexcept;
    Medium& operator=(Medium&&) = delete;
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    ~Medium();

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    // Pages of the image that are still to be written back to it (the
    // cachestat system call), or -1 where the system cannot tell.
    long DirtyPages() const;

  private:
    Medium() = default;

    std::string target_;
    std::string image_;
    std::string loopDevice_;
    std::string error_;
};
