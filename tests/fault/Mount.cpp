#include "Mount.h"

#include <sys/mount.h>
#include <cerrno>
#include <cstring>
#include <utility>

Mount::Mount(std::string target, bool mounted, std::string error)
    : target_(std::move(target)), mounted_(mounted), error_(std::move(error)) {}

Mount::Mount(Mount&& other) noexcept
    : target_(std::move(other.target_)),
      mounted_(std::exchange(other.mounted_, false)),
      error_(std::move(other.error_)) {}

Mount::~Mount() {
    if (mounted_) {
        umount2(target_.c_str(), MNT_DETACH);
    }
}

Mount Mount::Tmpfs(const std::string& target, std::size_t sizeBytes) {
    const std::string options = "size=" + std::to_string(sizeBytes) + ",mode=0777";
    if (mount("tmpfs", target.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return Mount(target, false, "cannot mount a tmpfs: " + std::string(std::strerror(errno)));
    }
    return Mount(target, true, "");
}

Mount Mount::Bind(const std::string& source, const std::string& target) {
    if (mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        return Mount(target, false, "cannot bind-mount: " + std::string(std::strerror(errno)));
    }
    return Mount(target, true, "");
}

bool Mount::RemountReadOnly() {
    return mounted_ &&
           mount(nullptr, target_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}
