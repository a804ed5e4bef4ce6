// A destination on a small tmpfs that the test mounts itself: the disk fills
// up part-way, or the file system is read-only. What was there must survive
// byte for byte, no temporary may stay behind, and the failure must be in the
// report while the files after it are still copied.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "CaseName.h"
#include "Mount.h"
#include "ReportRows.h"
#include "SampleText.h"
#include "Scratch.h"
#include "engine/DataFolder.h"

namespace {

constexpr std::size_t kTmpfsBytes = std::size_t{256} * 1024;

class TmpfsDestination : public ::testing::Test {
  protected:
    void SetUp() override {
        src_ = scratch_.Folder("src");
        dst_ = scratch_.Folder("dst");
        mount_.emplace(Mount::Tmpfs(dst_, kTmpfsBytes));
        if (!mount_->Ok()) {
            GTEST_SKIP() << mount_->Error();
        }
        ASSERT_TRUE(WriteBytes(src_ + "ZELBAS00.DAT", BaseFileText("SOURCE")));
        ASSERT_TRUE(WriteBytes(src_ + "ZELLCOB0.DAT", CrLfText("second", 2000)));
    }

    std::vector<ReportRow> CarryOver() {
        int result = 0;
        std::vector<ReportRow> rows = RunAndReport(KIND_CARRY_OVER, src_, dst_, "NEW", &result);
        EXPECT_EQ(result, 1);
        return rows;
    }

    Scratch scratch_;
    std::string src_;
    std::string dst_;
    std::optional<Mount> mount_;  // unmounted before scratch_ is removed
};

struct DiskFullCase {
    const char* name;
    bool oldFileThere;  // the destination already holds ZELCODB0.DAT
};

class DiskFull : public TmpfsDestination, public ::testing::WithParamInterface<DiskFullCase> {};

// ZELCODB0.DAT is larger than the whole tmpfs, so its copy runs out of space
// part-way; ZELLCOB0.DAT, copied after it, fits once the temporary is gone.
TEST_P(DiskFull, KeepsWhatWasThereAndCopiesLaterFiles) {
    const DiskFullCase& c = GetParam();
    ASSERT_TRUE(WriteBytes(src_ + "ZELCODB0.DAT", CrLfText("large", 2 * kTmpfsBytes)));
    const std::string old = CrLfText("old", 3000);
    std::vector<std::string> expectedNames = {"ZELLCOB0.DAT", "zelbas00.dat"};
    if (c.oldFileThere) {
        ASSERT_TRUE(WriteBytes(dst_ + "ZELCODB0.DAT", old));
        expectedNames.insert(expectedNames.begin(), "ZELCODB0.DAT");
    }

    const std::vector<ReportRow> rows = CarryOver();

    const ReportRow full = FindRow(rows, "ZELCODB0.DAT");
    EXPECT_EQ(full.status, "kDiskFull") << c.name << "\n" << Describe(rows);
    EXPECT_EQ(full.systemError, ENOSPC) << c.name;
    EXPECT_EQ(ListNames(dst_), expectedNames) << c.name << ": a temporary left behind?";
    EXPECT_EQ(ReadBytes(dst_ + "ZELCODB0.DAT"), c.oldFileThere ? old : "<missing>") << c.name;
    EXPECT_EQ(FindRow(rows, "ZELLCOB0.DAT").status, "kCopied") << c.name;
    EXPECT_EQ(ReadBytes(dst_ + "ZELLCOB0.DAT"), ReadBytes(src_ + "ZELLCOB0.DAT")) << c.name;
    EXPECT_EQ(ReadBytes(dst_ + "zelbas00.dat"), BaseFileText("NEW")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Tmpfs, DiskFull,
                         ::testing::Values(DiskFullCase{"ReplacingAnExistingFile", true},
                                           DiskFullCase{"NewFile", false}),
                         CaseName());

// The base file is replaced like any other: a full disk keeps the old one.
TEST_F(TmpfsDestination, DiskFullKeepsTheOldBaseFile) {
    const std::string old = BaseFileText("OLD TITLE");
    ASSERT_TRUE(WriteBytes(dst_ + "zelbas00.dat", old));
    ASSERT_TRUE(WriteBytes(dst_ + "filler", std::string(kTmpfsBytes - 8192, 'f')));
    std::string longLines;
    for (int line = 0; line < 26; ++line) {
        longLines += std::string(6000, 'b') + "\r\n";
    }
    ASSERT_TRUE(WriteBytes(src_ + "ZELBAS00.DAT", longLines));

    const std::vector<ReportRow> rows = RunAndReport(KIND_NEW, src_, dst_, "NEW");

    ASSERT_EQ(rows.size(), 1u) << Describe(rows);
    EXPECT_EQ(rows[0].status, "kDiskFull") << Describe(rows);
    EXPECT_EQ(ReadBytes(dst_ + "zelbas00.dat"), old);
    EXPECT_EQ(ListNames(dst_), (std::vector<std::string>{"filler", "zelbas00.dat"}));
}

// A read-only file system: every file fails to be created, each reported with
// the system's reason, and nothing there changes.
TEST_F(TmpfsDestination, ReadOnlyRemountReportsEveryFileAndChangesNothing) {
    const std::string oldBase = BaseFileText("OLD TITLE");
    const std::string oldFile = CrLfText("old", 3000);
    ASSERT_TRUE(WriteBytes(dst_ + "zelbas00.dat", oldBase));
    ASSERT_TRUE(WriteBytes(dst_ + "ZELLCOB0.DAT", oldFile));
    ASSERT_TRUE(WriteBytes(src_ + "ZELCODB0.DAT", CrLfText("first", 2000)));
    ASSERT_TRUE(mount_->RemountReadOnly()) << "cannot remount read-only";

    const std::vector<ReportRow> rows = CarryOver();

    for (const char* name : {"zelbas00.dat", "ZELCODB0.DAT", "ZELLCOB0.DAT"}) {
        const ReportRow row = FindRow(rows, name);
        EXPECT_EQ(row.status, "kCreateFailed") << name << "\n" << Describe(rows);
        EXPECT_EQ(row.systemError, EROFS) << name;
    }
    EXPECT_EQ(ReadBytes(dst_ + "zelbas00.dat"), oldBase);
    EXPECT_EQ(ReadBytes(dst_ + "ZELLCOB0.DAT"), oldFile);
    EXPECT_EQ(ListNames(dst_), (std::vector<std::string>{"ZELLCOB0.DAT", "zelbas00.dat"}));
}

}  // namespace
