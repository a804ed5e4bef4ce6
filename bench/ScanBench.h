// ScanBench: what selecting the files of a backup costs on a source folder
// crowded with unrelated files, against one plain listing of that folder.
//
// Selection is timed as the engine does it for a backup: one Folder for the
// source, then the base file and every catalogue entry resolved against it
// (names located, patterns matched), without copying. A whole backup of the
// same folder (base file written, one flush) is timed beside it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct ScanFigures {
    std::uint64_t entries = 0;      // entries of the source folder
    std::vector<double> listing;    // seconds: opendir/readdir, names kept
    std::vector<double> selection;  // seconds: resolving the backup's catalogue
    std::vector<double> backup;     // seconds: RunOperation(KIND_BACKUP), new destination
};

// Writes a folder of the base file and unrelated files under work and times
// runs rounds of the three steps, taking turns. Returns 1 with the timings;
// 0 with a reason in *error when the folder cannot be written or a step does
// not find exactly what the folder holds.
int MeasureScan(const std::filesystem::path& work, std::uint64_t unrelated, int runs,
                ScanFigures& figures, std::string* error);
