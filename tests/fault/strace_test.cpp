// The engine's own system calls made to fail (strace -e inject=...), or the
// process killed in the middle of a copy, and the order of its flushes and
// renames watched. What was in the destination must survive byte for byte,
// no temporary may stay behind, and the failure must be reported while the
// files after it are still copied.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <fnmatch.h>
#include <strings.h>

#include "CaseName.h"
#include "Driver.h"
#include "SampleText.h"
#include "Scratch.h"
#include "Strace.h"
#include "engine/DataFolder.h"

namespace {

const std::vector<std::string> kCopied = {"ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT"};
const char* const kRenames = "rename,renameat,renameat2";
// The calls that put a written file under its name: a rename of the
// temporary, or the link of an unnamed file (found through openat).
const char* const kPlacings = "rename,renameat,renameat2,linkat,openat";
const char* const kFlushes = "fsync,fdatasync";

// The source and destination of a rename call, either form: (old, new), or
// (dirfd, old, dirfd, new) with the folder paths shown by -y.
std::pair<std::string, std::string> RenamePaths(const TracedCall& call) {
    const auto& p = call.paths;
    if (p.size() >= 4) {
        return {p[0] + "/" + p[1], p[2] + "/" + p[3]};
    }
    if (p.size() >= 2) {
        return {p[0], p[1]};
    }
    return {};
}

bool IsRename(const TracedCall& call) {
    return call.syscall.rfind("rename", 0) == 0;
}

bool IsPlacing(const TracedCall& call) {
    return IsRename(call) || call.syscall == "linkat";
}

// Position in calls of the rename or link onto target, or -1.
int PlacingOnto(const std::vector<TracedCall>& calls, const std::string& target) {
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (IsPlacing(calls[i]) && RenamePaths(calls[i]).second == target) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The path strace shows for the file that calls[index] puts in place: the
// renamed temporary, or the unnamed file whose descriptor linkat names
// ("/proc/self/fd/N"), as the openat that made it returned it.
std::string PlacedFile(const std::vector<TracedCall>& calls, int index) {
    const TracedCall& placing = calls[static_cast<std::size_t>(index)];
    std::string from = RenamePaths(placing).first;
    if (IsRename(placing)) {
        return from;
    }
    const std::string descriptor = from.substr(from.rfind('/') + 1) + "<";
    for (std::size_t i = static_cast<std::size_t>(index); i-- > 0;) {
        const TracedCall& open = calls[i];
        if (open.syscall == "openat" && open.line.find("O_TMPFILE") != std::string::npos &&
            open.result.rfind(descriptor, 0) == 0) {
            return open.result.substr(descriptor.size(), open.result.find('>') - descriptor.size());
        }
    }
    return "<no unnamed file>";
}

// The strace "when=" number of calls[index]: its position among the calls
// of its syscall.
int NumberOf(const std::vector<TracedCall>& calls, int index) {
    int number = 0;
    for (int i = 0; i <= index; ++i) {
        number += calls[static_cast<std::size_t>(i)].syscall ==
                  calls[static_cast<std::size_t>(index)].syscall;
    }
    return number;
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma = 0; (comma = list.find(',', start)) != std::string::npos;
         start = comma + 1) {
        items.push_back(list.substr(start, comma - start));
    }
    items.push_back(list.substr(start));
    return items;
}

// Which call of one file's copy is meant.
enum class On {
    kTemporary,  // a call on the temporary that becomes dst/<name>
    kSource,     // a call on src/<name>
    kTarget,     // the rename or link onto dst/<name>
    kAny,        // any call of the syscall, whatever its file
};

class StraceFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HaveProgram("strace")) {
            GTEST_SKIP() << "strace is not installed";
        }
        const CommandResult probe = RunCommand({"strace", "-o", "/dev/null", "true"});
        if (probe.exitCode != 0) {
            GTEST_SKIP() << "strace cannot trace here: " << probe.err;
        }
        src_ = scratch_.Folder("src");
        dst_ = scratch_.Folder("dst");
        logs_ = scratch_.Folder("logs");
        ASSERT_TRUE(WriteBytes(src_ + "ZELBAS00.DAT", BaseFileText("SOURCE")));
        // Large enough for many reads and writes with any sensible buffer.
        ASSERT_TRUE(WriteBytes(src_ + "ZELCODB0.DAT", CrLfText("first", 1 << 20)));
        ASSERT_TRUE(WriteBytes(src_ + "ZELLCOB0.DAT", CrLfText("second", 3000)));
        ASSERT_TRUE(WriteBytes(src_ + "ZELCLAB0.DAT", CrLfText("third", 3000)));
    }

    // Makes the destination afresh: the old base file and, for each name in
    // oldFiles, an old version of it.
    void ResetDestination(const std::vector<std::string>& oldFiles) {
        ASSERT_TRUE(RemoveTree(dst_));
        scratch_.Folder("dst");
        ASSERT_TRUE(WriteBytes(dst_ + "zelbas00.dat", BaseFileText("OLD")));
        for (const std::string& name : oldFiles) {
            ASSERT_TRUE(WriteBytes(dst_ + name, OldContent(name)));
        }
    }

    static std::string OldContent(const std::string& name) { return CrLfText("old " + name, 2500); }
    // What the copy of name holds: its source with every lone LF as CR LF.
    std::string NewContent(const std::string& name) const {
        if (name == "zelbas00.dat") {
            return BaseFileText("NEW");
        }
        std::string copied;
        for (const char byte : ReadBytes(src_ + name)) {
            copied += byte == '\n' && (copied.empty() || copied.back() != '\r')
                          ? "\r\n"
                          : std::string(1, byte);
        }
        return copied;
    }

    // Rewrites the source ZELCODB0.DAT with LF-only lines, so that its copy
    // is translated rather than copied inside the system as it stands.
    void MakeFirstSourceLfOnly() {
        std::string text = CrLfText("first", 1 << 20);
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        ASSERT_TRUE(WriteBytes(src_ + "ZELCODB0.DAT", text));
    }

    std::vector<std::string> CarryOverArgs() const {
        return RunArgs(KIND_CARRY_OVER, src_, dst_, "NEW");
    }

    // The syscall (one of syscalls, whichever the engine uses) and strace
    // "when=" number of the nth call on name's file that on means, found in a
    // dry run of a carry-over on the fixture as it stands; {"", 0} when the
    // engine makes no such call.
    std::pair<std::string, int> FindCall(const std::string& name, const std::string& syscalls,
                                         On on, int nth) {
        const TracedRun dry = TraceDriver(syscalls + "," + kPlacings, {}, CarryOverArgs(), logs_);
        const int placing = PlacingOnto(dry.calls, dst_ + name);
        if (placing < 0) {
            return {"", 0};
        }
        if (on == On::kTarget) {
            return {dry.calls[static_cast<std::size_t>(placing)].syscall,
                    NumberOf(dry.calls, placing)};
        }
        const std::string path = on == On::kSource      ? src_ + name
                                 : on == On::kTemporary ? PlacedFile(dry.calls, placing)
                                                        : "";
        for (const std::string& syscall : Split(syscalls)) {
            if (const int number = CallNumber(dry.calls, syscall, path, nth); number > 0) {
                return {syscall, number};
            }
        }
        return {"", 0};
    }

    Scratch scratch_;
    std::string src_;
    std::string dst_;
    std::string logs_;
};

struct InjectionCase {
    const char* name;
    bool translated;       // ZELCODB0.DAT has LF-only lines: written, not copied inside the system
    const char* syscalls;  // one of these is faulted: whichever the engine uses
    On on;
    int nth;  // the n-th such call on that file
    const char* error;
    bool oldFileThere;
    const char* status;  // what the report must say of ZELCODB0.DAT
    int systemError;
};

class Injection : public StraceFixture, public ::testing::WithParamInterface<InjectionCase> {};

TEST_P(Injection, KeepsTheOldFileAndReportsTheFailure) {
    const InjectionCase& c = GetParam();
    if (c.translated) {
        MakeFirstSourceLfOnly();
    }
    const std::vector<std::string> old =
        c.oldFileThere ? std::vector<std::string>{"ZELCODB0.DAT"} : std::vector<std::string>{};
    ResetDestination(old);
    const auto [syscall, number] = FindCall("ZELCODB0.DAT", c.syscalls, c.on, c.nth);
    ASSERT_GT(number, 0) << c.name << ": the engine makes no such call";
    ResetDestination(old);

    const std::string inject =
        "inject=" + syscall + ":error=" + c.error + ":when=" + std::to_string(number);
    const TracedRun run = TraceDriver(syscall, {"-e", inject}, CarryOverArgs(), logs_);

    std::vector<TracedCall> injected;
    for (const TracedCall& call : run.calls) {
        if (call.result.find("INJECTED") != std::string::npos) {
            injected.push_back(call);
        }
    }
    ASSERT_EQ(injected.size(), 1u) << c.name << ": " << syscall << " when=" << number;
    EXPECT_TRUE(c.on == On::kSource ? CallOn(injected[0], src_)
                                    : injected[0].line.find(dst_) != std::string::npos)
        << c.name << ": the fault hit another file: " << injected[0].line;

    ASSERT_TRUE(run.driver.finished) << c.name << "\n" << run.driver.Describe();
    EXPECT_EQ(run.driver.result, 1) << c.name;
    const ReportRow row = run.driver.Row("ZELCODB0.DAT");
    EXPECT_EQ(row.status, c.status) << c.name << "\n" << run.driver.Describe();
    EXPECT_EQ(row.systemError, c.systemError) << c.name;
    EXPECT_EQ(ReadBytes(dst_ + "ZELCODB0.DAT"),
              c.oldFileThere ? OldContent("ZELCODB0.DAT") : "<missing>")
        << c.name;
    std::vector<std::string> expected = {"ZELCLAB0.DAT", "ZELLCOB0.DAT", "zelbas00.dat"};
    if (c.oldFileThere) {
        expected.insert(expected.begin() + 1, "ZELCODB0.DAT");
    }
    EXPECT_EQ(ListNames(dst_), expected) << c.name << ": a temporary left behind?";
    for (const char* later : {"ZELLCOB0.DAT", "ZELCLAB0.DAT"}) {
        EXPECT_EQ(run.driver.Row(later).status, "kCopied") << c.name << ": " << later;
        EXPECT_EQ(ReadBytes(dst_ + later), NewContent(later)) << c.name << ": " << later;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strace, Injection,
    ::testing::Values(InjectionCase{"SecondWriteFails", true, "write", On::kTemporary, 2, "EIO",
                                    true, "kWriteFailed", EIO},
                      InjectionCase{"SecondWriteFailsOnNewFile", true, "write", On::kTemporary, 2,
                                    "EIO", false, "kWriteFailed", EIO},
                      InjectionCase{"WriteFindsDiskFull", true, "write", On::kTemporary, 1,
                                    "ENOSPC", true, "kDiskFull", ENOSPC},
                      InjectionCase{"CopyFails", false, "copy_file_range", On::kSource, 1, "EIO",
                                    true, "kWriteFailed", EIO},
                      InjectionCase{"CopyFindsDiskFullOnNewFile", false, "copy_file_range",
                                    On::kSource, 1, "ENOSPC", false, "kDiskFull", ENOSPC},
                      InjectionCase{"CopyRefusedPartWay", false, "copy_file_range", On::kSource, 2,
                                    "EXDEV", true, "kWriteFailed", EXDEV},
                      InjectionCase{"CloseFails", false, "close", On::kTemporary, 1, "EIO", true,
                                    "kWriteFailed", EIO},
                      InjectionCase{"CloseFailsOnNewFile", false, "close", On::kTemporary, 1, "EIO",
                                    false, "kWriteFailed", EIO},
                      InjectionCase{"FlushFails", false, kFlushes, On::kTemporary, 1, "EIO", true,
                                    "kWriteFailed", EIO},
                      InjectionCase{"WritebackFailsOnNewFile", false, "sync_file_range",
                                    On::kTemporary, 1, "EIO", false, "kWriteFailed", EIO},
                      InjectionCase{"SecondReadFails", false, "read", On::kSource, 2, "EIO", true,
                                    "kSourceUnreadable", EIO},
                      InjectionCase{"SecondReadFailsTranslating", true, "read", On::kSource, 2,
                                    "EIO", true, "kSourceUnreadable", EIO},
                      InjectionCase{"RenameFails", false, kRenames, On::kTarget, 1, "EIO", true,
                                    "kWriteFailed", EIO},
                      InjectionCase{"LinkFailsOnNewFile", false, "linkat", On::kTarget, 1, "EIO",
                                    false, "kWriteFailed", EIO},
                      InjectionCase{"LinkFindsTheNameTaken", false, "linkat", On::kTarget, 1,
                                    "EEXIST", false, "kCreateFailed", EEXIST}),
    CaseName());

struct RefusalCase {
    const char* name;
    const char* syscall;  // its first call with marker in its line is refused
    const char* marker;
    const char* error;
    const char* status;  // what the report must say of the file it was for
};

class Refusal : public StraceFixture, public ::testing::WithParamInterface<RefusalCase> {};

// A file system without unnamed files refuses them in one of three ways; a
// new file then takes a named temporary and a rename, as a replacement does.
// A copy inside the system may be refused in four ways; the file is then
// translated. Any other refusal is the folder's own and is reported.
TEST_P(Refusal, TakesTheCommonWayOrIsReported) {
    const RefusalCase& c = GetParam();
    ResetDestination({});
    // The call refused, and the name of the file it was for.
    const TracedRun dry =
        TraceDriver(std::string(c.syscall) + "," + kPlacings, {}, CarryOverArgs(), logs_);
    int number = 0;
    std::string target;
    for (std::size_t i = 0; i < dry.calls.size() && target.empty(); ++i) {
        const TracedCall& call = dry.calls[i];
        if (number == 0 && call.syscall == c.syscall &&
            call.line.find(c.marker) != std::string::npos) {
            number = NumberOf(dry.calls, static_cast<int>(i));
        } else if (number > 0 && IsPlacing(call)) {
            target = RenamePaths(call).second;
        }
    }
    ASSERT_FALSE(target.empty()) << c.name << ": no such call";
    ResetDestination({});

    const std::string inject = "inject=" + std::string(c.syscall) + ":error=" + c.error +
                               ":when=" + std::to_string(number);
    const TracedRun run = TraceDriver(c.syscall, {"-e", inject}, CarryOverArgs(), logs_);
    ASSERT_TRUE(run.driver.finished) << c.name << "\n" << run.driver.Describe();
    const std::string name = target.substr(dst_.size());
    const bool copied = std::string(c.status) == "kCopied";
    EXPECT_EQ(run.driver.Row(name).status, c.status) << c.name << "\n" << run.driver.Describe();
    EXPECT_EQ(ReadBytes(target), copied ? NewContent(name) : "<missing>") << c.name;
    std::vector<std::string> expected = {"ZELCLAB0.DAT", "ZELCODB0.DAT", "ZELLCOB0.DAT",
                                         "zelbas00.dat"};
    if (!copied) {
        expected.erase(std::find(expected.begin(), expected.end(), name));
    }
    EXPECT_EQ(ListNames(dst_), expected) << c.name << ": a temporary left behind?";
}

INSTANTIATE_TEST_SUITE_P(
    Strace, Refusal,
    ::testing::Values(
        RefusalCase{"UnnamedFileNotSupported", "openat", "O_TMPFILE", "EOPNOTSUPP", "kCopied"},
        RefusalCase{"UnnamedFileOnOldKernel", "openat", "O_TMPFILE", "EISDIR", "kCopied"},
        RefusalCase{"UnnamedFileInvalid", "openat", "O_TMPFILE", "EINVAL", "kCopied"},
        RefusalCase{"UnnamedFileDenied", "openat", "O_TMPFILE", "EACCES", "kCreateFailed"},
        RefusalCase{"CopyAcrossFileSystems", "copy_file_range", "(", "EXDEV", "kCopied"},
        RefusalCase{"CopyNotImplemented", "copy_file_range", "(", "ENOSYS", "kCopied"},
        RefusalCase{"CopyNotSupported", "copy_file_range", "(", "EOPNOTSUPP", "kCopied"},
        RefusalCase{"CopyInvalid", "copy_file_range", "(", "EINVAL", "kCopied"},
        RefusalCase{"WritebackNotStarted", "sync_file_range", "(", "EINVAL", "kCopied"}),
    CaseName());

struct ListingCase {
    const char* name;
    bool source;  // the source folder's listing fails, else the destination's
    int nth;      // at its n-th getdents64 call
};

class Listing : public StraceFixture, public ::testing::WithParamInterface<ListingCase> {
  protected:
    // A crowded source, so that its listing takes several getdents64 calls:
    // among files no entry carries, some found only by pattern, and a master
    // file spelt in other case, found only through the listing.
    void FillSource() {
        for (int i = 0; i < 2000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "N%04d.TXT", i);
            ASSERT_TRUE(WriteBytes(src_ + name, "x\r\n"));
            std::snprintf(name, sizeof name, i % 2 == 0 ? "S%04d.ZEL" : "ZELPRN3-%04d.DAT", i);
            if (i % 20 == 0) {
                ASSERT_TRUE(WriteBytes(src_ + name, std::string(name) + "\r\n"));
            }
        }
        ASSERT_TRUE(WriteBytes(src_ + "zelteab0.dat", "teachers\r\n"));
    }

    std::vector<std::string> BackupArgs() const { return RunArgs(KIND_BACKUP, src_, dst_, "NEW"); }

    // What the copy of name holds: its source file's bytes (all lines end in
    // CR LF), in whatever case the source spells it.
    std::string CopiedContent(const std::string& name) const {
        for (const std::string& entry : ListNames(src_)) {
            if (::strcasecmp(entry.c_str(), name.c_str()) == 0) {
                return NewContent(name == "zelbas00.dat" ? name : entry);
            }
        }
        return "<no source>";
    }
};

// Whatever a failed listing let through is copied; every file it may have
// hidden is covered by a failure with the errno, never passed over as absent.
TEST_P(Listing, LeavesNothingMissingReportedAsSuccess) {
    const ListingCase& c = GetParam();
    FillSource();
    ResetDestination({});
    const std::string folder = c.source ? src_ : dst_;
    const TracedRun dry = TraceDriver("getdents64", {}, BackupArgs(), logs_);
    const int number =
        CallNumber(dry.calls, "getdents64", folder.substr(0, folder.size() - 1), c.nth);
    ASSERT_GT(number, 0) << c.name << ": the folder is not listed so often";
    ResetDestination({});

    const std::string inject = "inject=getdents64:error=EIO:when=" + std::to_string(number);
    const TracedRun run = TraceDriver("getdents64", {"-e", inject}, BackupArgs(), logs_);
    ASSERT_TRUE(run.driver.finished) << c.name << "\n" << run.driver.Describe();

    bool listingReported = false;
    for (const ReportRow& row : run.driver.rows) {
        listingReported |= row.status == "kFolderUnreadable" && row.systemError == EIO;
    }
    EXPECT_TRUE(listingReported) << c.name << "\n" << run.driver.Describe();
    // Every file the untroubled run copied is copied now, or a failure names
    // it or the pattern that stood for it.
    for (const ReportRow& wanted : dry.driver.rows) {
        if (wanted.status != "kCopied") {
            continue;
        }
        const ReportRow row = run.driver.Row(wanted.name);
        if (row.status == "kCopied") {
            EXPECT_EQ(ReadBytes(dst_ + wanted.name), CopiedContent(wanted.name))
                << c.name << ": " << wanted.name;
            continue;
        }
        const bool covered = std::any_of(
            run.driver.rows.begin(), run.driver.rows.end(), [&](const ReportRow& failure) {
                return failure.status != "kCopied" && failure.status != "kAbsent" &&
                       failure.systemError == EIO &&
                       ::fnmatch(failure.name.c_str(), wanted.name.c_str(), FNM_CASEFOLD) == 0;
            });
        EXPECT_TRUE(covered) << c.name << ": " << wanted.name << " is missing unreported\n"
                             << run.driver.Describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Strace, Listing,
                         ::testing::Values(ListingCase{"SourceFailsAtOnce", true, 1},
                                           ListingCase{"SourceFailsPartWay", true, 2},
                                           ListingCase{"DestinationFails", false, 1}),
                         CaseName());

struct KillCase {
    const char* name;
    const char* file;  // whose copy is under way
    const char* syscalls;
    On on;
    int nth;
    bool newFile;     // the file is not in the destination before
    bool translated;  // ZELCODB0.DAT has LF-only lines
};

class Kill : public StraceFixture, public ::testing::WithParamInterface<KillCase> {};

// Killed at any point, the destination holds each file wholly old or wholly
// new (or, for a new file, none). A replacement's temporary may be left; its
// name must match no catalogue entry, so that the next operation from that
// folder does not copy it. A new file is written without a name until it is
// complete, so it leaves nothing.
TEST_P(Kill, LeavesEveryFileWhollyOldOrWhollyNew) {
    const KillCase& c = GetParam();
    if (c.translated) {
        MakeFirstSourceLfOnly();
    }
    const std::vector<std::string> names = {"zelbas00.dat", "ZELCODB0.DAT", "ZELLCOB0.DAT",
                                            "ZELCLAB0.DAT"};
    std::vector<std::string> oldFiles = kCopied;
    if (c.newFile) {
        oldFiles.erase(std::find(oldFiles.begin(), oldFiles.end(), c.file));
    }
    ResetDestination(oldFiles);
    const auto [syscall, number] = FindCall(c.file, c.syscalls, c.on, c.nth);
    ASSERT_GT(number, 0) << c.name << ": the engine makes no such call";
    ResetDestination(oldFiles);

    const std::string inject =
        "inject=" + syscall + ":signal=SIGKILL:when=" + std::to_string(number);
    const TracedRun run = TraceDriver(syscall, {"-e", inject}, CarryOverArgs(), logs_);
    ASSERT_EQ(run.driver.command.signal, SIGKILL) << c.name << "\n" << run.driver.Describe();

    for (const std::string& name : names) {
        const std::string now = ReadBytes(dst_ + name);
        const std::string old = name == "zelbas00.dat"        ? BaseFileText("OLD")
                                : c.newFile && name == c.file ? "<missing>"
                                                              : OldContent(name);
        EXPECT_TRUE(now == old || now == NewContent(name))
            << c.name << ": " << name << " is neither old nor new (" << now.size() << " bytes)";
    }
    std::vector<std::string> strays;
    for (const std::string& name : ListNames(dst_)) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            strays.push_back(name);
        }
    }
    EXPECT_LE(strays.size(), c.newFile ? 0u : 1u)
        << c.name << ": more than the one temporary under way";

    const std::string next = scratch_.Folder("next");
    const DriverRun backup = RunDriver({}, RunArgs(KIND_BACKUP, dst_, next, "NEXT"));
    ASSERT_TRUE(backup.finished) << c.name << "\n" << backup.Describe();
    for (const std::string& stray : strays) {
        EXPECT_FALSE(Exists(next + stray))
            << c.name << ": the stray temporary " << stray << " was copied by the next operation";
        EXPECT_EQ(backup.Row(stray).status, "<no row>") << c.name << ": " << stray;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strace, Kill,
    ::testing::Values(
        KillCase{"KilledWritingTheBaseFile", "zelbas00.dat", "write", On::kTemporary, 1, false,
                 false},
        KillCase{"KilledAtTheSecondWrite", "ZELCODB0.DAT", "write", On::kTemporary, 2, false, true},
        KillCase{"KilledWritingANewFile", "ZELCODB0.DAT", "write", On::kTemporary, 2, true, true},
        KillCase{"KilledCopyingANewFile", "ZELCODB0.DAT", "copy_file_range", On::kSource, 1, true,
                 false},
        KillCase{"KilledAtTheFlush", "ZELCODB0.DAT", kFlushes, On::kTemporary, 1, false, false},
        KillCase{"KilledAtTheRename", "ZELCODB0.DAT", kRenames, On::kTarget, 1, false, false},
        KillCase{"KilledAtTheFinalFlush", "ZELCLAB0.DAT", "syncfs", On::kAny, 1, false, false}),
    CaseName());

// The dialog lists folders on a thread of its own while files are copied, so
// the process-wide umask is never set: new files take it from the system.
TEST_F(StraceFixture, TheUmaskIsNeverSet) {
    ResetDestination({"ZELCODB0.DAT"});
    const TracedRun run = TraceDriver("umask,openat", {}, CarryOverArgs(), logs_);
    ASSERT_TRUE(run.driver.finished) << run.driver.Describe();
    int created = 0;
    for (const TracedCall& call : run.calls) {
        EXPECT_NE(call.syscall, "umask") << call.line;
        created += call.line.find(dst_) != std::string::npos &&
                   (call.line.find("O_TMPFILE") != std::string::npos ||
                    call.line.find("O_CREAT") != std::string::npos);
    }
    EXPECT_EQ(created, 5) << "the probe for another route to the source, the base file and three "
                             "copies";
}

class Durability : public StraceFixture {
  protected:
    std::vector<TracedCall> TraceCarryOver() {
        const TracedRun run = TraceDriver(std::string(kFlushes) + "," + kPlacings + ",syncfs,sync",
                                          {}, CarryOverArgs(), logs_);
        EXPECT_TRUE(run.driver.finished) << run.driver.Describe();
        return run.calls;
    }
};

bool IsFlush(const TracedCall& call) {
    return call.syscall == "fsync" || call.syscall == "fdatasync";
}

// A replacement's content is on disk before its rename, so that a crash
// leaves the old file or the new one, never an empty one; a new file needs no
// flush of its own, since the final flush covers it.
TEST_F(Durability, ReplacementIsFlushedBeforeItsRenameAndNewFilesAreNot) {
    ResetDestination({"ZELCODB0.DAT"});
    const std::vector<TracedCall> calls = TraceCarryOver();

    for (const char* name : {"zelbas00.dat", "ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT"}) {
        const bool replaces =
            name != std::string("ZELLCOB0.DAT") && name != std::string("ZELCLAB0.DAT");
        const int placing = PlacingOnto(calls, dst_ + name);
        ASSERT_GE(placing, 0) << name << ": no rename or link onto it";
        // A new file is linked from an unnamed file: no temporary, no rename.
        EXPECT_EQ(IsRename(calls[static_cast<std::size_t>(placing)]), replaces)
            << name << ": " << calls[static_cast<std::size_t>(placing)].line;
        const std::string written = PlacedFile(calls, placing);
        int flushesBefore = 0;
        int flushes = 0;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (IsFlush(calls[i]) && CallOn(calls[i], written) && calls[i].result == "0") {
                ++flushes;
                flushesBefore += static_cast<int>(i) < placing;
            }
        }
        EXPECT_EQ(flushesBefore, replaces ? 1 : 0) << name << (replaces ? " replaces" : " is new");
        EXPECT_EQ(flushes, flushesBefore) << name << ": flushed after it was put in place";
    }
}

TEST_F(Durability, OneFileSystemFlushEndsTheOperation) {
    ResetDestination({"ZELCODB0.DAT"});
    const std::vector<TracedCall> calls = TraceCarryOver();

    std::vector<std::size_t> syncfs;
    std::size_t lastPlacing = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_NE(calls[i].syscall, "sync") << "a flush of every file system";
        if (calls[i].syscall == "syncfs") {
            syncfs.push_back(i);
        }
        if (IsPlacing(calls[i])) {
            lastPlacing = i;
        }
    }
    ASSERT_EQ(syncfs.size(), 1u) << "one flush of the destination's file system";
    EXPECT_GT(syncfs[0], lastPlacing) << "the flush must follow the last rename or link";
    EXPECT_TRUE(CallOn(calls[syncfs[0]], dst_.substr(0, dst_.size() - 1)))
        << "the flush must be of the destination: " << calls[syncfs[0]].line;
    EXPECT_EQ(calls[syncfs[0]].result, "0");
}

// The final flush is the operation's promise that the data is on disk: when
// it fails, the report must say so rather than show every file as copied.
TEST_F(Durability, FailedFinalFlushIsReported) {
    ResetDestination({"ZELCODB0.DAT"});
    const TracedRun run =
        TraceDriver("syncfs", {"-e", "inject=syncfs:error=EIO:when=1"}, CarryOverArgs(), logs_);

    ASSERT_TRUE(run.driver.finished) << run.driver.Describe();
    ASSERT_FALSE(run.driver.rows.empty());
    const ReportRow& last = run.driver.rows.back();
    EXPECT_EQ(last.name, dst_) << run.driver.Describe();
    EXPECT_EQ(last.status, "kWriteFailed") << run.driver.Describe();
    EXPECT_EQ(last.systemError, EIO) << run.driver.Describe();
}

}  // namespace
