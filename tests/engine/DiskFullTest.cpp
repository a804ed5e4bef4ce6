#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

// A destination on a tmpfs of 256 KiB, mounted for the test (root only).
class DiskFullTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::mount("tmpfs", full_.path().c_str(), "tmpfs", 0, "size=256k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        }
        mounted_ = true;
    }

    void TearDown() override {
        if (mounted_) {
            ::umount2(full_.path().c_str(), MNT_DETACH);
        }
    }

    TempFolder src_;
    TempFolder full_;
    bool mounted_ = false;
};

TEST_F(DiskFullTest, OldFileSurvivesWhenTheDiskFillsWhileReplacingIt) {
    const std::string old = "old data\r\n";
    full_.Write("ZELCODB0.DAT", old);
    full_.Write("ZELBAS00.DAT", "old base\r\n");
    // The new versions are bigger than the whole file system.
    src_.Write("ZELCODB0.DAT", std::string(std::size_t{400} * 1024, 'n') + "\n");
    src_.Write("ZELBAS00.DAT", std::string(std::size_t{400} * 1024, 'b') + "\n");
    src_.Write("ZELLCOB0.DAT", "small\n");

    CopyDataFile("ZELCODB0.DAT", src_.text(), full_.text());
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src_.text(), full_.text()), 0);
    OperationReport report;
    NoWaitIndicator indicator;
    EXPECT_EQ(RunOperation(indicator, KIND_CARRY_OVER, src_.text(), full_.text(), "t", &report), 1);

    EXPECT_EQ(full_.Read("ZELCODB0.DAT"), old);
    EXPECT_EQ(full_.Read("ZELBAS00.DAT"), "old base\r\n");
    EXPECT_EQ(full_.Read("ZELLCOB0.DAT"), "small\r\n") << "later files are still copied";
    EXPECT_EQ(full_.Names(),
              (std::vector<std::string>{"ZELBAS00.DAT", "ZELCODB0.DAT", "ZELLCOB0.DAT"}))
        << "no temporary left";
    const auto failures = report.Failures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].name, "zelbas00.dat");
    EXPECT_EQ(failures[0].status, FileStatus::kDiskFull);
    EXPECT_EQ(failures[0].systemError, ENOSPC);
    EXPECT_EQ(failures[1].name, "ZELCODB0.DAT");
    EXPECT_EQ(failures[1].status, FileStatus::kDiskFull);
}

TEST_F(DiskFullTest, NoPartialFileWhenTheDiskFillsOnANewFile) {
    src_.Write("ZELROMB0.DAT", std::string(std::size_t{300} * 1024, 'r'));
    EXPECT_EQ(CopyDataFile("ZELROMB0.DAT", src_.text(), full_.text()), 0);
    EXPECT_TRUE(full_.Names().empty());
}

}  // namespace
