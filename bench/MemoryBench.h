// MemoryBench: the peak resident memory of a process that copies one file
// through CopyDataFile, for a small file and a big one.
//
// The copy runs in a fresh process (this program started again with
// --memory-child) so that neither the other measurements nor a fork's
// inherited pages count; the figure is that process's ru_maxrss.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct MemoryFigures {
    std::uint64_t smallBytes = 0;
    std::uint64_t bigBytes = 0;
    long smallPeakKiB = 0;  // peak resident set while copying the small file
    long bigPeakKiB = 0;    // the same for the big file
    double bigSeconds = 0;  // wall time of the big copy's process
};

// Writes a 1 MiB and a bigBytes sample file under work and copies each in a
// child started from program (the path of this executable). Returns 1 with the
// figures; 0 with a reason in *error when a file cannot be written or a child
// fails.
int MeasureCopyMemory(const std::filesystem::path& work, std::uint64_t bigBytes,
                      const std::string& program, MemoryFigures& figures, std::string* error);

// The child's part: copies srcFolder + name to dstFolder + name. Returns the
// process exit status: 0 when CopyDataFile succeeded, 1 otherwise.
int RunMemoryChild(const char* name, const char* srcFolder, const char* dstFolder);
