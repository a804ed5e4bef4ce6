#include "MemoryBench.h"

#include "SampleData.h"
#include "SampleError.h"
#include "Subprocess.h"
#include "Timing.h"
#include "engine/DataFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kSmallBytes = 1 << 20;

// Copies name from source to destination in a child. Returns 1 with its peak
// resident set in *peakKiB and its wall time in *seconds, 0 with a reason.
int CopyInChild(const std::string& program, const std::string& name, const fs::path& source,
                const fs::path& destination, long* peakKiB, double* seconds, std::string* error) {
    rusage usage{};
    int status = -1;
    *seconds = SecondsOf([&] {
        status = RunProgram(
            {program, "--memory-child", name, source.string() + "/", destination.string() + "/"},
            &usage);
    });
    if (status != 0) {
        return FailWith(error, "the copy of " + name + " failed in the child process");
    }
    *peakKiB = usage.ru_maxrss;
    return 1;
}

}  // namespace

int MeasureCopyMemory(const fs::path& work, std::uint64_t bigBytes, const std::string& program,
                      MemoryFigures& figures, std::string* error) {
    const fs::path source = work / "memory-source";
    const fs::path destination = work / "memory-destination";
    std::error_code code;
    if (!fs::create_directories(source, code) || !fs::create_directories(destination, code)) {
        return FailWith(error, "cannot create folders under " + work.string());
    }
    if (!WriteSampleTextFile(source / "SMALL.DAT", kSmallBytes, 1, error) ||
        !WriteSampleTextFile(source / "BIG.DAT", bigBytes, 2, error)) {
        return 0;
    }
    figures.smallBytes = fs::file_size(source / "SMALL.DAT");
    figures.bigBytes = fs::file_size(source / "BIG.DAT");
    double smallSeconds = 0;
    return CopyInChild(program, "SMALL.DAT", source, destination, &figures.smallPeakKiB,
                       &smallSeconds, error) &&
           CopyInChild(program, "BIG.DAT", source, destination, &figures.bigPeakKiB,
                       &figures.bigSeconds, error);
}

int RunMemoryChild(const char* name, const char* srcFolder, const char* dstFolder) {
    return CopyDataFile(name, srcFolder, dstFolder) == 1 ? 0 : 1;
}
