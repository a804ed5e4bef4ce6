#include "Medium.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "Command.h"

namespace {

// Runs each command in turn; the first that fails gives the error.
std::string RunAll(const std::vector<std::vector<std::string>>& commands) {
    for (const std::vector<std::string>& argv : commands) {
        if (!HaveProgram(argv[0])) {
            return argv[0] + " is not installed";
        }
        const CommandResult run = RunCommand(argv, 60);
        if (run.exitCode != 0) {
            return argv[0] + " failed: " + run.err.substr(0, 300);
        }
    }
    return "";
}

std::string Preconditions() {
    if (::geteuid() != 0) {
        return "mounting needs root";
    }
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        return "no /dev/fuse";
    }
    return "";
}

}  // namespace

Medium::Medium(Medium&& other) noexcept
    : target_(std::move(other.target_)),
      image_(std::move(other.image_)),
      loopDevice_(std::move(other.loopDevice_)),
      error_(std::exchange(other.error_, "moved")) {}

Medium::~Medium() {
    if (error_.empty()) {
        ::umount2(target_.c_str(), 0);
    }
    if (!loopDevice_.empty()) {
        RunCommand({"losetup", "-d", loopDevice_});
    }
}

Medium Medium::Image(Kind kind, const std::string& image, const std::string& target) {
    Medium medium;
    medium.target_ = target;
    medium.image_ = image;
    medium.error_ = Preconditions();
    if (!medium.error_.empty()) {
        return medium;
    }
    medium.error_ = RunAll({{"truncate", "-s", "64M", image}});
    if (kind == Kind::kFat && medium.error_.empty()) {
        medium.error_ =
            RunAll({{"mkfs.vfat", "-F", "32", image}, {"fusefat", "-o", "rw+", image, target}});
    } else if (kind == Kind::kNtfs && medium.error_.empty()) {
        medium.error_ = RunAll({{"mkfs.ntfs", "-F", "-Q", image}, {"ntfs-3g", image, target}});
    } else if (medium.error_.empty()) {
        medium.error_ = RunAll({{"mkfs.exfat", image}});
        const CommandResult loop = RunCommand({"losetup", "-f", "--show", image});
        if (medium.error_.empty() && loop.exitCode != 0) {
            medium.error_ = "losetup failed: " + loop.err;
        }
        if (medium.error_.empty()) {
            medium.loopDevice_ = loop.out.substr(0, loop.out.find('\n'));
            std::vector<std::string> mount = {"mount.exfat-fuse"};
            if (kind == Kind::kExFatForEveryone) {
                mount.insert(mount.end(), {"-o", "umask=0"});
            }
            mount.insert(mount.end(), {medium.loopDevice_, target});
            medium.error_ = RunAll({mount});
        }
    }
    return medium;
}

Medium Medium::Mirror(const std::string& source, const std::string& target) {
    Medium medium;
    medium.target_ = target;
    medium.error_ = Preconditions();
    if (medium.error_.empty()) {
        medium.error_ = RunAll({{"bindfs", source, target}});
    }
    return medium;
}

Medium Medium::Overlay(const std::string& lower, const std::string& upper, const std::string& work,
                       const std::string& merged) {
    Medium medium;
    medium.target_ = merged;
    const std::string options = "lowerdir=" + lower + ",upperdir=" + upper + ",workdir=" + work;
    if (::mount("overlay", merged.c_str(), "overlay", 0, options.c_str()) != 0) {
        medium.error_ = "cannot mount an overlay: " + std::string(std::strerror(errno));
    }
    return medium;
}

long Medium::DirtyPages() const {
    struct Range {
        std::uint64_t offset;
        std::uint64_t length;  // 0: to the end of the file
    } range{0, 0};
    struct Stat {
        std::uint64_t cache, dirty, writeback, evicted, recentlyEvicted;
    } stat{};
    constexpr long kCachestat = 451;
    const int fd = ::open(image_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const long result = ::syscall(kCachestat, fd, &range, &stat, 0);
    ::close(fd);
    return result == 0 ? static_cast<long>(stat.dirty + stat.writeback) : -1;
}
