#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/TextFileCopy.h"
#include "tests/engine/WithoutPrivileges.h"
#include "tests/support/TempFolder.h"

namespace {

class PermissionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chmod(src_.text(), 0777);
        Chmod(dst_.text(), 0777);
    }

    static void Chmod(const std::string& path, mode_t mode) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
    }

    TempFolder src_;
    TempFolder dst_;
};

TEST_F(PermissionTest, AnUnreadableSourceIsReportedAndTheOtherFilesCopied) {
    src_.Write("ZELBAS00.DAT", "base\n");
    src_.Write("ZELCODB0.DAT", "secret\n");
    src_.Write("ZELLCOB0.DAT", "open\n");
    Chmod(src_.text() + "ZELCODB0.DAT", 0);
    const int failedStep = WithoutPrivileges([&] {
        NoWaitIndicator indicator;
        OperationReport report;
        RunOperation(indicator, KIND_CARRY_OVER, src_.text(), dst_.text(), "t", &report);
        const auto failures = report.Failures();
        if (failures.size() != 1) {
            return 1;
        }
        if (failures[0].name != "ZELCODB0.DAT") {
            return 2;
        }
        return failures[0].status == FileStatus::kSourceUnreadable &&
                       failures[0].systemError == EACCES
                   ? 0
                   : 3;
    });
    EXPECT_EQ(failedStep, 0);
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"ZELLCOB0.DAT", "zelbas00.dat"}));
    EXPECT_EQ(dst_.Read("ZELLCOB0.DAT"), "open\r\n");
}

TEST_F(PermissionTest, AReadOnlyDestinationFolderKeepsItsFiles) {
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    Chmod(dst_.text() + "ZELCODB0.DAT", 0666);
    Chmod(dst_.text(), 0555);
    const int failedStep = WithoutPrivileges([&] {
        NoWaitIndicator indicator;
        OperationReport report;
        RunOperation(indicator, KIND_CARRY_OVER, src_.text(), dst_.text(), "t", &report);
        const auto failures = report.Failures();
        if (CopyDataFile("ZELCODB0.DAT", src_.text(), dst_.text()) != 0) {
            return 1;
        }
        // The source has no base file: that row fails first.
        if (failures.size() != 2 || failures[1].name != "ZELCODB0.DAT") {
            return 2;
        }
        return failures[1].status == FileStatus::kCreateFailed && failures[1].systemError == EACCES
                   ? 0
                   : 3;
    });
    EXPECT_EQ(failedStep, 0);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "old\r\n");
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
}

// Read-only holds for every user, root included: the test runs as whoever
// runs the suite.
TEST_F(PermissionTest, AReadOnlyDestinationFileIsNotReplaced) {
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    Chmod(dst_.text() + "ZELCODB0.DAT", 0444);
    Folder src(FileSystem::Default(), src_.text());
    Folder dst(FileSystem::Default(), dst_.text());
    const FileResult result = CopyNamedFile(src, dst, "ZELCODB0.DAT");
    EXPECT_EQ(result.status, FileStatus::kReadOnly);
    EXPECT_EQ(result.systemError, EACCES);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "old\r\n");
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
}

}  // namespace
