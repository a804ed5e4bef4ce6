#include "tests/support/TempFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

// Going through char8_t keeps POSIX bytes as they are and converts on
// Windows.
std::filesystem::path PathOf(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string TextOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TempFolder::TempFolder() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("fu-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) {
            text_ = TextOf(path_) + "/";
            return;
        }
    }
    throw std::runtime_error("cannot create a test folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests take permissions away; give them back so that the folder goes.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + name);
    }
}

std::optional<std::string> TempFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / PathOf(name), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(const std::string& name) const {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path_ / PathOf(name), ignored));
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(TextOf(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::filesystem::create_directory(path_ / PathOf(name));
    return text_ + name + "/";
}

bool TempFolder::FoldsCase() const {
    Write("case-probe", "");
    const bool folds = Exists("CASE-PROBE");
    std::filesystem::remove(path_ / "case-probe");
    return folds;
}
