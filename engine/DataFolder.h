// DataFolder: the data-folder engine.
//
// A data folder is a folder of text files whose base file "ZELBAS00.DAT"
// carries the folder's title on line 23. The engine reads that title, writes
// a destination's base file with a new title, copies data files one by one
// or by wildcard pattern, and carries out the three operations (new
// creation, carry-over to the next year, backup) with their file lists.
//
// Texts are byte strings: folder texts go to the file system unchanged and
// are used as plain prefixes (folder text + file name, no separator added);
// titles are Shift-JIS bytes. File names are looked up without regard to case
// (only A-Z and a-z fold). Files are read and written in text mode: CR LF
// reads as LF, a byte 0x1A ends the data, LF is written as CR LF.
//
// Every function returns 1 for success and 0 for failure and shows nothing;
// the caller decides what to report. A destination file is replaced only when
// its new content has been written completely: a failed copy leaves what was
// there before untouched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum OperationKind : int { KIND_NEW = 0, KIND_CARRY_OVER = 1, KIND_BACKUP = 2 };

// Longest folder text + file name the engine accepts, in bytes as the family
// counts them (code page 932 on Windows; see FileSystem::PathBytes). Longer
// paths are refused, never cut.
inline constexpr std::size_t kMaxPathBytes = 256;

// Longest title, in bytes, that ReadTitle hands out and the dialog carries.
inline constexpr std::size_t kMaxTitleBytes = 50;

// Reads the title (physical line 23, whatever the length of the lines before
// it) of folder + "ZELBAS00.DAT" into title, without its line end; a longer
// title is cut at a Shift-JIS character boundary to at most kMaxTitleBytes.
// Returns 1 when the base file exists and opens (the title is empty when the
// file has fewer than 23 lines); returns 0 otherwise (missing, not a regular
// file, unreadable, path too long) and leaves title as it was.
int ReadTitle(std::string_view folder, std::string& title);

// Writes dstFolder + "zelbas00.dat" as srcFolder's base file with line 23
// replaced by title: always 26 CR LF lines, source lines 1 to 22 and 24 to 26
// carried whole, missing ones empty. The title is one line: it is cut before
// its first CR, LF or byte 0x1A. An existing destination base file spelt in
// other letter case keeps its name. Returns 1 when the source was read and
// the destination written completely, 0 otherwise (the destination is then
// left as it was; also when it is the source file itself).
int WriteBaseFile(std::string_view srcFolder, std::string_view dstFolder, std::string_view title);

// Copies srcFolder + name to dstFolder + name in text mode. A missing
// destination file is created under name as given; an existing one spelt in
// other letter case is rewritten under its own name, keeping its permission
// bits. Returns 1 on success; 0 when the source is missing or not a regular
// file (folders, FIFOs, sockets, devices and dangling links are never
// opened), the destination cannot be written (a read-only file, one without
// a write bit for its owner, stays even for root), the path is too long, or the
// destination is the source file itself (by device and inode).
int CopyDataFile(std::string_view name, std::string_view srcFolder, std::string_view dstFolder);

// Copies every regular file of srcFolder whose name matches pattern ("*" any
// run, "?" exactly one byte, case folded; not recursive) through the same copy
// as CopyDataFile, under the name the source spells it. Of source names that
// differ only in case, only the first in byte order is copied. Returns 0 when
// nothing matches or srcFolder could not be listed to its end (what matched
// before the failure is still copied), 1 otherwise (also when some single
// copies failed). RunOperation does not call it (it matches its patterns in
// its own listing of the source and reports each file); it stays as the
// engine's copy of one pattern.
int CopyDataFiles(std::string_view pattern, std::string_view srcFolder, std::string_view dstFolder);

// Returns 1 when folder + "ZELBAS00.DAT" exists (in any letter case) as a
// regular file or a link to one, 0 otherwise: the mark of a data folder.
int HasBaseFile(std::string_view folder);

// Returns 1 when path names an existing directory (or a link to one), 0
// otherwise.
int IsFolder(std::string_view path);

// Returns 1 when the folder texts a and b name one existing directory, in
// whatever written form (trailing separator or not, "." and "..", symbolic
// links, bind mounts) and by whatever route (a FUSE mirror, an overlay, a
// share mounted back: found by a probe file made in b and removed at once);
// 0 when they differ or either does not exist.
int IsSameFolder(std::string_view a, std::string_view b);

// Creates the directory path (one level). Returns 1 when it was created or
// already exists as a directory; 0 otherwise, with the errno in *error when
// error is given.
int CreateFolder(std::string_view path, int* error = nullptr);

// What the caller shows while an operation runs (the dialog's wait cursor).
// RunOperation calls each exactly once per call.
struct WaitIndicator {
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

  protected:
    ~WaitIndicator() = default;
};

// Shows nothing: for callers without a window of their own (the command-line
// program, the dialog's worker thread, tools and tests).
struct NoWaitIndicator final : WaitIndicator {
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

// What happened to one file of an operation.
enum class FileStatus : int {
    kCopied,            // written completely
    kAbsent,            // not in the source: the normal skip of an optional file
    kNotRegular,        // a folder, FIFO, socket or device of that name: skipped, never opened
    kPathTooLong,       // folder text + name over kMaxPathBytes
    kSameFile,          // the destination is the source file itself
    kSourceUnreadable,  // the source could not be opened or read
    kCreateFailed,      // the destination file could not be created
    kReadOnly,          // the destination file is marked read-only: kept as it is
    kNameClash,         // the name reaches a destination file of another name, which is
                        // kept (a file system that folds more than A to Z: 成績Ａ, 成績ａ)
    kWriteFailed,       // a write, flush, close or the final rename failed
    kDiskFull,          // the destination ran out of space
    kFolderUnreadable,  // the folder could not be listed, so whether the file is
                        // there is unknown (a pattern's row: its matches may be
                        // incomplete)
    kStopped,           // not copied: the caller asked the operation to stop
};

// True for the statuses that are real failures (not the skips above them).
bool IsFailure(FileStatus status);

struct FileResult {
    std::string name;  // the file name (or the pattern when nothing matched)
    FileStatus status;
    int systemError = 0;  // the errno behind a failure, 0 when none
};

// Everything an operation did, in catalogue order: the base file first, then
// one row per by-name entry, per file a pattern matched, or per pattern that
// matched nothing (kAbsent, named by the pattern). A pattern whose source
// folder could not be listed to its end gets a row of its own after its
// matches (kFolderUnreadable, named by the pattern).
struct OperationReport {
    std::vector<FileResult> files;

    std::vector<FileResult> Failures() const;
    bool HasFailures() const;
};

// Carries out operation kind from srcFolder to dstFolder with title as the
// destination title. Every step runs whatever became of the steps before it.
// Each folder is listed at most once; before returning, what was written is
// flushed to disk with one flush of the destination's file system. Returns 1
// for kinds 0 to 2 and 0 for any other kind (then nothing is written and the
// report is left empty). The result does not reflect single copies: report,
// when given, is cleared and receives what happened to each file. A missing
// source base file is a failure there (kSourceUnreadable, ENOENT), not a skip;
// a failed final flush adds a last row named after dstFolder (kWriteFailed).
int RunOperation(WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title,
                 OperationReport* report = nullptr);

class FileSystem;

// RunOperation on fs instead of the system's own file system (see
// FileSystem.h): the tests run operations on one that fails on purpose.
int RunOperation(FileSystem& fs, WaitIndicator& owner, int kind, std::string_view srcFolder,
                 std::string_view dstFolder, std::string_view title,
                 OperationReport* report = nullptr);
