// Runs a fuzz harness once on every file of the folders or files named on the
// command line, as libFuzzer would, so that the seed corpus and the
// regression cases run in every build, also without clang.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::string> InputFiles(int argc, char** argv) {
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                files.push_back(entry.path().string());
            }
        } else {
            files.emplace_back(argv[i]);
        }
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> files = InputFiles(argc, argv);
    for (const std::string& file : files) {
        std::fprintf(stderr, "running %s\n", file.c_str());
        const std::string bytes = ReadBytes(file);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs passed\n", files.size());
    return files.empty() ? 1 : 0;
}
