// make-sample-folder: writes an invented sample data folder.
//
//   make-sample-folder <folder> [--size-mb N] [--title TEXT] [--unrelated N] [--seed N]
//
// --size-mb N    about N MB (N * 1,000,000 bytes; decimals allowed) of data
//                files; without it about 256 KiB
// --title TEXT   the title on line 23 of the base file, typed in UTF-8 and
//                stored as Shift-JIS (CP932); a character CP932 lacks is
//                refused
// --unrelated N  N more files whose names match no catalogue entry
// --seed N       another invented content; the same arguments always give the
//                same bytes
//
// Exits 0 on success, 1 when the folder cannot be written, 2 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CountArgument.h"
#include "Cp932Title.h"
#include "SampleData.h"

namespace {

constexpr const char* kUsage =
    "usage: make-sample-folder <folder> [--size-mb N] [--title TEXT] [--unrelated N] "
    "[--seed N]\n";

bool ParseMegabytes(const char* text, std::uint64_t& bytes) {
    char* end = nullptr;
    const double megabytes = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(megabytes > 0 && megabytes <= 1e6)) {
        return false;
    }
    bytes = static_cast<std::uint64_t>(megabytes * 1e6);
    return true;
}

// Reads the options after the folder. Returns false with a message printed
// when an option is unknown, lacks its value or has a bad one.
bool ParseOptions(int argc, char** argv, SampleFolderOptions& options) {
    for (int i = 2; i < argc; i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "make-sample-folder: %s needs a value\n", argv[i]);
            return false;
        }
        const char* value = argv[i + 1];
        std::string error;
        bool ok = false;
        if (option == "--size-mb") {
            ok = ParseMegabytes(value, options.sizeBytes);
        } else if (option == "--title") {
            ok = Utf8ToCp932(value, options.title, &error) == 1;
        } else if (option == "--unrelated") {
            ok = ParseCount(value, options.unrelated);
        } else if (option == "--seed") {
            ok = ParseCount(value, options.seed);
        } else {
            std::fprintf(stderr, "make-sample-folder: unknown option %s\n", argv[i]);
            return false;
        }
        if (!ok) {
            std::fprintf(stderr, "make-sample-folder: bad value for %s: %s%s%s\n", argv[i], value,
                         error.empty() ? "" : ": ", error.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    SampleFolderOptions options;
    if (argc < 2 || argv[1][0] == '-' || !ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    SampleFolderSummary summary;
    std::string error;
    if (!MakeSampleFolder(argv[1], options, &summary, &error)) {
        std::fprintf(stderr, "make-sample-folder: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %llu data files, %llu bytes, %llu unrelated files\n", argv[1],
                static_cast<unsigned long long>(summary.files),
                static_cast<unsigned long long>(summary.bytes),
                static_cast<unsigned long long>(options.unrelated));
    return 0;
}
