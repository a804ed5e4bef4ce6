#include "engine/Temporary.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <string_view>

namespace {

constexpr char kTemporaryName[] = ".~fileutility-XXXXXX.tmp";
// The six X before the ".tmp" take random name bytes.
constexpr std::size_t kRandomAt = sizeof kTemporaryName - 1 - 4 - 6;
constexpr std::size_t kRandomBytes = 6;
constexpr int kNameAttempts = 100;

char RandomNameByte() {
    static constexpr std::string_view kBytes =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // The clock joins the seed where a random device is predictable.
    static std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return kBytes[generator() % kBytes.size()];
}

}  // namespace

int CreateTemporary(FileSystem& fs, const std::string& directory, std::string& path,
                    FileHandle& file) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = directory + kTemporaryName;
        for (std::size_t i = 0; i < kRandomBytes; ++i) {
            path[directory.size() + kRandomAt + i] = RandomNameByte();
        }
        const int error = fs.CreateNewFile(path, file);
        if (error != EEXIST) {
            return error;
        }
    }
    return EEXIST;
}
