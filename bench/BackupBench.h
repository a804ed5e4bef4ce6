// BackupBench: times a backup by the engine against other ways of copying the
// same files: cp, cp followed by "sync -f", and unix2dos run once per file.
//
// The methods take turns within each run (the order rotates from run to run)
// and every one writes into a new destination folder: on this file system
// creating files right after many deletions is slow, so nothing is deleted
// until the end. Dirty pages are flushed (untimed) before every timed step so
// that no method pays for another's writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct BackupFigures {
    std::size_t files = 0;         // files the backup writes, the base file included
    std::uint64_t bytes = 0;       // their size in the source
    std::vector<double> engine;    // seconds of each run: RunOperation(KIND_BACKUP)
    std::vector<double> cp;        // cp of the same source files
    std::vector<double> cpSync;    // the same cp, then sync -f on the destination
    std::vector<double> unix2dos;  // unix2dos -f -n, one process per file
};

// Generates a sample folder of about sizeBytes under work and times runs
// rounds of the four methods. Returns 1 with the timings in figures; 0 with a
// reason in *error when the folder cannot be made, the engine reports a failed
// file, or a program exits with an error.
int MeasureBackup(const std::filesystem::path& work, std::uint64_t sizeBytes, int runs,
                  BackupFigures& figures, std::string* error);
