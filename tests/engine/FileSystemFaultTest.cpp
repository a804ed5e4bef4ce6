// Every failure the file system can give, at every call an operation makes:
// whatever fails, older files stay byte for byte, new files are complete or
// absent, no temporary is left, and each file not copied is reported as such
// with its reason; a file reported as copied holds exactly its copy.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/TempFolder.h"

namespace {

std::string BaseFile(const std::string& title) {
    std::string lines;
    for (int n = 1; n <= 26; ++n) {
        lines += (n == 23 ? title : "line " + std::to_string(n)) + "\n";
    }
    return lines;
}

using Files = std::map<std::string, std::string>;

// One operation from a source folder into a destination that may hold older
// copies: a file already in CR LF form (the kernel copies it on Linux), one
// with LF line ends, one a pattern matches, with data after its 0x1A.
struct Scenario {
    const char* name;
    int kind;
    Files older;
    std::vector<Fault> standing{};  // how the file system differs throughout
};

const Files kSource = {
    {"ZELBAS00.DAT", BaseFile("source title")},
    {"ZELCODB0.DAT", std::string(70000, 'c') + "\r\nend\r\n"},
    {"ZELLCOB0.DAT", "first\nsecond\r\nthird"},
    {"A.ZEL",
     "pattern\n\x1A"
     "after the end"},
};

const std::vector<Scenario> kScenarios = {
    {"backup over older copies",
     KIND_BACKUP,
     {{"zelbas00.dat", BaseFile("old title")}, {"ZELCODB0.DAT", "older codes\r\n"}}},
    {"new into an empty folder", KIND_NEW, {}},
    // FUSE and older kernels: new files take a named temporary too.
    {"backup where files cannot be unnamed",
     KIND_BACKUP,
     {{"zelbas00.dat", BaseFile("old title")}},
     {{FsCall::kCreateUnnamedFile, 0, EOPNOTSUPP}}},
};

// What a fault makes of the run: the statuses a failed row may have
// (out-of-space errors always kDiskFull), or none when the engine works
// around it and the run must come out as a clean one; or either, where the
// call only guards against a rarer fault (the identity of a file written, the
// probe that tells another route to the source folder).
struct FaultRow {
    FsCall call;
    std::vector<int> errors;
    std::vector<FileStatus> statuses;
    std::size_t listingKeeps = 0;
    bool mayPass = false;
};

const std::vector<FaultRow> kFaults = {
    {FsCall::kQueryPath,
     {EACCES, EIO},
     {FileStatus::kSourceUnreadable, FileStatus::kCreateFailed},
     0,
     true},
    {FsCall::kOpenForReading, {EACCES, EIO, EMFILE}, {FileStatus::kSourceUnreadable}},
    {FsCall::kQueryOpenFile, {EIO}, {FileStatus::kSourceUnreadable}},
    {FsCall::kReadSome, {EIO}, {FileStatus::kSourceUnreadable}},
    {FsCall::kRewind, {EIO}, {FileStatus::kSourceUnreadable}},
    {FsCall::kCopyWithinSystem, {EIO, ENOSPC}, {FileStatus::kWriteFailed}},
    {FsCall::kCopyWithinSystem, {EOPNOTSUPP}, {}},
    {FsCall::kWriteAll, {EIO, ENOSPC, EFBIG}, {FileStatus::kWriteFailed}},
#ifdef EDQUOT
    {FsCall::kWriteAll, {EDQUOT}, {FileStatus::kWriteFailed}},
#endif
    {FsCall::kCreateNewFile, {EACCES, EROFS, ENOSPC}, {FileStatus::kCreateFailed}, 0, true},
    {FsCall::kCreateNewFile, {EEXIST}, {}},
    {FsCall::kCreateUnnamedFile, {EACCES, EROFS, ENOSPC}, {FileStatus::kCreateFailed}},
    {FsCall::kCreateUnnamedFile, {EOPNOTSUPP}, {}},
    {FsCall::kNameUnnamedFile, {EIO, ENOSPC}, {FileStatus::kWriteFailed}},
    {FsCall::kNameUnnamedFile, {EEXIST}, {FileStatus::kCreateFailed}},
    {FsCall::kWriteAccessRefusal, {EACCES, EROFS}, {FileStatus::kCreateFailed}},
    // FAT and sticks mounted for everyone keep no permissions of their own.
    {FsCall::kSetPermissions, {EIO}, {FileStatus::kCreateFailed}},
    {FsCall::kSetPermissions, {EPERM, ENOSYS, EOPNOTSUPP}, {}},
    {FsCall::kSetOwner, {EPERM, EIO}, {}},
    {FsCall::kFlushWrittenFile, {EIO, ENOSPC}, {FileStatus::kWriteFailed}},
    {FsCall::kCloseFile, {EIO, ENOSPC}, {FileStatus::kWriteFailed}},
    {FsCall::kFlushVolumeOf, {EIO}, {FileStatus::kWriteFailed}},
    {FsCall::kRenameReplacing, {EACCES, EIO, EBUSY}, {FileStatus::kWriteFailed}},
    {FsCall::kRenameWithoutReplacing, {EACCES, EIO}, {FileStatus::kWriteFailed}},
    {FsCall::kRenameWithoutReplacing, {EEXIST}, {FileStatus::kCreateFailed}},
    {FsCall::kListFolder, {EIO}, {FileStatus::kFolderUnreadable}, 0},
    {FsCall::kListFolder, {EIO}, {FileStatus::kFolderUnreadable}, 2},
};

// A full volume, and a full quota where the system has one, read as
// "ディスクの空き容量が足りません".
bool IsOutOfSpace(int error) {
#ifdef EDQUOT
    if (error == EDQUOT) {
        return true;
    }
#endif
    return error == ENOSPC;
}

// What one run left behind.
struct Outcome {
    OperationReport report;
    Files destination;
};

class FileSystemFaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [name, bytes] : kSource) {
            src_.Write(name, bytes);
        }
    }

    // Runs scenario on fs into a fresh destination.
    Outcome Run(const Scenario& scenario, FaultFileSystem& fs) const {
        for (const Fault& fault : scenario.standing) {
            fs.Plant(fault);
        }
        TempFolder dst;
        for (const auto& [name, bytes] : scenario.older) {
            dst.Write(name, bytes);
        }
        NoWaitIndicator cursor;
        Outcome outcome;
        RunOperation(fs, cursor, scenario.kind, src_.text(), dst.text(), "new title",
                     &outcome.report);
        for (const std::string& name : dst.Names()) {
            outcome.destination[name] = dst.Read(name).value_or("<unreadable>");
        }
        return outcome;
    }

    TempFolder src_;
};

// The row of the report for the destination file name (names fold case:
// the base file is reported under the name a new one gets).
const FileResult* RowFor(const OperationReport& report, const std::string& name) {
    for (const FileResult& row : report.files) {
        if (std::equal(row.name.begin(), row.name.end(), name.begin(), name.end(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
            return &row;
        }
    }
    return nullptr;
}

// Checks the promises of one faulted run against the clean run; what is
// wrong goes into the returned text, empty when all holds.
std::string BrokenPromises(const Scenario& scenario, const Outcome& clean, const Outcome& run,
                           const FaultRow& fault, int error) {
    std::string broken;
    std::set<std::string> names;
    for (const auto& [name, bytes] : clean.destination) {
        names.insert(name);
    }
    for (const auto& [name, bytes] : run.destination) {
        if (names.count(name) == 0) {
            broken += "left behind: " + name + "; ";
        }
    }
    for (const std::string& name : names) {
        const FileResult* row = RowFor(run.report, name);
        const auto now = run.destination.find(name);
        const auto older = scenario.older.find(name);
        if (row != nullptr && row->status == FileStatus::kCopied) {
            if (now == run.destination.end() || now->second != clean.destination.at(name)) {
                broken += name + " reported copied but not its copy; ";
            }
        } else if (older != scenario.older.end()) {
            if (now == run.destination.end() || now->second != older->second) {
                broken += name + " not copied and its older copy changed; ";
            }
        } else if (now != run.destination.end()) {
            broken += name + " not copied but there; ";
        }
    }
    const std::vector<FileResult> failures = run.report.Failures();
    if (fault.statuses.empty() || (fault.mayPass && failures.empty())) {
        if (!failures.empty() || run.destination != clean.destination) {
            broken += "a fault the engine works around changed the outcome; ";
        }
        return broken;
    }
    if (failures.empty()) {
        broken += "no failure reported; ";
    }
    for (const FileResult& row : failures) {
        const bool fits = IsOutOfSpace(error)
                              ? row.status == FileStatus::kDiskFull
                              : std::find(fault.statuses.begin(), fault.statuses.end(),
                                          row.status) != fault.statuses.end();
        if (!fits || row.systemError != error) {
            broken += row.name + " reported with status " +
                      std::to_string(static_cast<int>(row.status)) + " errno " +
                      std::to_string(row.systemError) + "; ";
        }
    }
    return broken;
}

TEST_F(FileSystemFaultTest, EveryFailureOfEveryCallKeepsThePromises) {
    int cases = 0;
    for (const Scenario& scenario : kScenarios) {
        FaultFileSystem counting;
        const Outcome clean = Run(scenario, counting);
        ASSERT_FALSE(clean.report.HasFailures()) << scenario.name;
        for (const FaultRow& fault : kFaults) {
            for (const int error : fault.errors) {
                for (int nth = 1; nth <= counting.Calls(fault.call); ++nth) {
                    FaultFileSystem fs;
                    fs.Plant({fault.call, nth, error, fault.listingKeeps});
                    const Outcome run = Run(scenario, fs);
                    ++cases;
                    EXPECT_EQ(BrokenPromises(scenario, clean, run, fault, error), "")
                        << scenario.name << ": " << NameOf(fault.call) << " call " << nth << " of "
                        << counting.Calls(fault.call) << " fails with errno " << error
                        << (fault.call == FsCall::kListFolder
                                ? " keeping " + std::to_string(fault.listingKeeps) + " names"
                                : "");
                }
            }
        }
    }
    RecordProperty("cases", cases);
    std::printf("%d fault cases\n", cases);
}

// Reads of one byte at a time, wherever a line end or a 0x1A falls between
// them, write the same bytes as whole reads.
TEST_F(FileSystemFaultTest, ShortReadsCopyTheSameBytes) {
    for (const Scenario& scenario : kScenarios) {
        FaultFileSystem whole;
        const Outcome clean = Run(scenario, whole);
        FaultFileSystem bytewise;
        bytewise.LimitReads(1);
        const Outcome run = Run(scenario, bytewise);
        EXPECT_FALSE(run.report.HasFailures()) << scenario.name;
        EXPECT_EQ(run.destination, clean.destination) << scenario.name;
    }
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(PathOf(path), std::ios::binary) << bytes;
}

// What another program may do while a file is copied: the copy never takes
// a file of its, and never passes off what it did not check as copied.
TEST_F(FileSystemFaultTest, WhatAnotherProgramDoesMeanwhileIsNeverLostOrCopiedUnchecked) {
    const std::string source = src_.text() + "ZELCODB0.DAT";
    struct Row {
        const char* what;
        std::vector<Fault> faults;
        const char* name;  // the destination file it concerns
        FileStatus status;
        int systemError;
        bool kernelCopies;  // only where the system copies files itself
    } rows[] = {
        {"a file appears under a temporary's name",
         {{FsCall::kCreateNewFile, 1, 0, 0,
           [](const std::string& path) { WriteFile(path, "another program's\n"); }}},
         nullptr,
         FileStatus::kCopied,
         0,
         false},
        {"a file appears under a new file's name (no unnamed files)",
         {{FsCall::kCreateUnnamedFile, 0, EOPNOTSUPP},
          {FsCall::kRenameWithoutReplacing, 1, 0, 0,
           [](const std::string& path) { WriteFile(path, "another program's\n"); }}},
         "ZELLCOB0.DAT",
         FileStatus::kCreateFailed,
         EEXIST,
         false},
        {"the source grows between its check and its copy",
         {{FsCall::kCopyWithinSystem, 1, 0, 0,
           [&source](const std::string&) {
               std::ofstream(PathOf(source), std::ios::binary | std::ios::app) << "lone\nLF\n";
           }}},
         "ZELCODB0.DAT",
         FileStatus::kSourceUnreadable,
         EAGAIN,
         true},
        {"the source shrinks between its check and its copy",
         {{FsCall::kCopyWithinSystem, 1, 0, 0,
           [&source](const std::string&) { WriteFile(source, "short\r\n"); }}},
         "ZELCODB0.DAT",
         FileStatus::kWriteFailed,
         EIO,
         true},
    };
    const Scenario& scenario = kScenarios.front();
    for (const Row& row : rows) {
        if (row.kernelCopies && !FileSystem::Default().CopiesWithinSystem()) {
            continue;
        }
        src_.Write("ZELCODB0.DAT", kSource.at("ZELCODB0.DAT"));
        std::string appeared;
        FaultFileSystem fs;
        for (Fault fault : row.faults) {
            if (fault.before && fault.call != FsCall::kCopyWithinSystem) {
                fault.before = [&appeared, write = fault.before](const std::string& path) {
                    appeared = path.substr(path.find_last_of("/\\") + 1);
                    write(path);
                };
            }
            fs.Plant(std::move(fault));
        }
        const Outcome run = Run(scenario, fs);
        ASSERT_TRUE(fs.Fired()) << row.what;
        if (!appeared.empty()) {
            EXPECT_EQ(run.destination.count(appeared), 1u) << row.what << ": " << appeared;
            EXPECT_EQ(run.destination.at(appeared), "another program's\n") << row.what;
        }
        if (row.name == nullptr) {
            EXPECT_FALSE(run.report.HasFailures()) << row.what;
            continue;
        }
        const FileResult* result = RowFor(run.report, row.name);
        ASSERT_NE(result, nullptr) << row.what;
        EXPECT_EQ(result->status, row.status) << row.what;
        EXPECT_EQ(result->systemError, row.systemError) << row.what;
        const auto older = scenario.older.find(row.name);
        if (older != scenario.older.end()) {
            EXPECT_EQ(run.destination.count(row.name) ? run.destination.at(row.name) : "",
                      older->second)
                << row.what << ": older copy kept";
        }
    }
}

}  // namespace
