// SampleData: writes invented, deterministic data folders for the demo, the
// tests and the benchmark.
//
// A sample folder holds the base file "ZELBAS00.DAT" (26 CR LF lines, the
// title on line 23 in Shift-JIS) and every file the operations know: the 13
// master files, the four files of the variant group, "ZELPIEB0.DAT",
// "ZELSPEB0.DAT", "ZELAFFB0.DAT", the print layouts "ZELPRN<1..17>-<nnn>.DAT"
// with sheets beyond the carry-over's fixed list (ZELPRN1-005, ZELPRN2-003,
// ZELPRN17-003 and -004), selection files "ZELPRN-SEL-*.DAT" and pattern files
// "*.ZEL" (one of them in lower case), "*.ZE2", "*.SP1", "*.SPA" and "*.SKN".
// The contents are invented record lines (see SampleLines.h) with CR LF,
// LF-only and mixed line ends; some files end their data with a byte 0x1A
// followed by stale bytes, one ends without a final line end, and one has
// lines over 255 bytes.
//
// The same options give the same bytes, whatever the machine. Files of the
// same names are overwritten; other files already in the folder are left.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// 令和８年度　みどり台市立ひばり中学校 in CP932.
inline constexpr std::string_view kDefaultSampleTitle =
    "\x97\xDF\x98\x61\x82\x57\x94\x4E\x93\x78\x81\x40\x82\xDD\x82\xC7\x82\xE8\x91\xE4"
    "\x8E\x73\x97\xA7\x82\xD0\x82\xCE\x82\xE8\x92\x86\x8A\x77\x8D\x5A";

inline constexpr std::uint64_t kDefaultSampleBytes = std::uint64_t{256} * 1024;

struct SampleFolderOptions {
    // About the total size of the folder's files, unrelated files aside.
    std::uint64_t sizeBytes = kDefaultSampleBytes;
    // Line 23 of the base file, as CP932 bytes, written as given.
    std::string title = std::string(kDefaultSampleTitle);
    // Number of extra files whose names match no catalogue entry
    // ("memo-000001.txt" and up, one short line each).
    std::uint64_t unrelated = 0;
    std::uint64_t seed = 1;
};

struct SampleFolderSummary {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
};

// Creates folder (and its parents) and writes a sample data folder into it.
// Returns 1 on success, with the count and total size of the data files
// written (unrelated files aside) in *summary when given. Returns 0 with a reason in *error (when
// given) when the folder cannot be created or a file cannot be written completely; files written
// before the failure stay.
int MakeSampleFolder(const std::filesystem::path& folder, const SampleFolderOptions& options,
                     SampleFolderSummary* summary = nullptr, std::string* error = nullptr);

// Writes folder/ZELBAS00.DAT alone: 26 CR LF lines with title on line 23. The
// folder must exist. Returns 1 on success, 0 with a reason in *error.
int WriteSampleBaseFile(const std::filesystem::path& folder, std::string_view title,
                        std::string* error = nullptr);

// Writes count unrelated files into the existing folder (see
// SampleFolderOptions::unrelated). Returns 1 on success, 0 with a reason in
// *error.
int WriteUnrelatedFiles(const std::filesystem::path& folder, std::uint64_t count,
                        std::string* error = nullptr);

// Writes one text file of class-list lines with mixed line ends, bytes long
// or at most two bytes shorter (the last line pads the rest). Returns 1 on
// success, 0 with a reason in *error.
int WriteSampleTextFile(const std::filesystem::path& file, std::uint64_t bytes, std::uint64_t seed,
                        std::string* error = nullptr);
