// Files the process may not read and folders it may not write. Root ignores
// mode bits, so the driver runs as an unprivileged user (setpriv). Each file
// refused is reported with its reason; the others are still copied; nothing
// that was there changes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "CaseName.h"
#include "Driver.h"
#include "ReportRows.h"
#include "SampleText.h"
#include "Scratch.h"
#include "engine/DataFolder.h"

namespace {

constexpr uid_t kNobody = 65534;

struct PermissionCase {
    const char* name;
    mode_t sourceFileMode;                        // of src/ZELCODB0.DAT
    bool writableDestination;                     // the folder and its files belong to the user
    mode_t destinationFileMode;                   // of dst/ZELCODB0.DAT
    std::map<std::string, std::string> statuses;  // name -> status that must be reported
};

class Unprivileged : public ::testing::TestWithParam<PermissionCase> {
  protected:
    void SetUp() override {
        if (getuid() != 0) {
            GTEST_SKIP() << "needs root to run the driver as another user";
        }
        if (!HaveProgram("setpriv")) {
            GTEST_SKIP() << "setpriv (util-linux) is not installed";
        }
        ASSERT_EQ(chmod(scratch_.Path().c_str(), 0755), 0);
        src_ = scratch_.Folder("src");
        dst_ = scratch_.Folder("dst");
        ASSERT_TRUE(WriteBytes(src_ + "ZELBAS00.DAT", BaseFileText("SOURCE")));
        ASSERT_TRUE(WriteBytes(src_ + "ZELCODB0.DAT", CrLfText("first", 3000)));
        ASSERT_TRUE(WriteBytes(src_ + "ZELLCOB0.DAT", CrLfText("second", 3000)));
        ASSERT_TRUE(WriteBytes(dst_ + "zelbas00.dat", BaseFileText("OLD")));
        ASSERT_TRUE(WriteBytes(dst_ + "ZELCODB0.DAT", CrLfText("old", 3000)));
    }

    DriverRun RunAsNobody(const std::vector<std::string>& args) {
        const std::string id = std::to_string(kNobody);
        return RunDriver({"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups"}, args);
    }

    Scratch scratch_;
    std::string src_;
    std::string dst_;
};

TEST_P(Unprivileged, ReportsEachRefusedFileAndCopiesTheOthers) {
    const PermissionCase& c = GetParam();
    ASSERT_EQ(chmod((src_ + "ZELCODB0.DAT").c_str(), c.sourceFileMode), 0);
    ASSERT_EQ(chmod((dst_ + "ZELCODB0.DAT").c_str(), c.destinationFileMode), 0);
    if (c.writableDestination) {
        for (const std::string& path : {dst_, dst_ + "ZELCODB0.DAT", dst_ + "zelbas00.dat"}) {
            ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0) << path;
        }
    }
    std::map<std::string, std::string> before;
    for (const std::string& name : ListNames(dst_)) {
        before[name] = ReadBytes(dst_ + name);
    }

    const DriverRun run = RunAsNobody(RunArgs(KIND_CARRY_OVER, src_, dst_, "NEW"));
    if (!run.finished && run.command.err.find("execute") != std::string::npos) {
        GTEST_SKIP() << "the driver cannot be run as user " << kNobody << ": " << run.command.err;
    }

    ASSERT_TRUE(run.finished) << c.name << "\n" << run.Describe();
    for (const auto& [name, status] : c.statuses) {
        const ReportRow row = run.Row(name);
        EXPECT_EQ(row.status, status) << c.name << ": " << name << "\n" << run.Describe();
        if (status != "kCopied") {
            EXPECT_EQ(row.systemError, EACCES) << c.name << ": " << name;
            EXPECT_EQ(before.count(name) ? before[name] : "<missing>", ReadBytes(dst_ + name))
                << c.name << ": " << name << " changed";
        } else {
            EXPECT_EQ(ReadBytes(dst_ + name),
                      name == "zelbas00.dat" ? BaseFileText("NEW") : ReadBytes(src_ + name))
                << c.name << ": " << name;
        }
    }
    std::vector<std::string> expected = {"ZELCODB0.DAT", "zelbas00.dat"};
    if (c.writableDestination) {
        expected.insert(expected.begin() + 1, "ZELLCOB0.DAT");
    }
    EXPECT_EQ(ListNames(dst_), expected) << c.name << ": a temporary left behind?";
}

INSTANTIATE_TEST_SUITE_P(Permission, Unprivileged,
                         ::testing::Values(PermissionCase{"UnreadableSourceFile",
                                                          0000,
                                                          true,
                                                          0644,
                                                          {{"ZELCODB0.DAT", "kSourceUnreadable"},
                                                           {"ZELLCOB0.DAT", "kCopied"},
                                                           {"zelbas00.dat", "kCopied"}}},
                                           PermissionCase{"ReadOnlyDestinationFile",
                                                          0644,
                                                          true,
                                                          0444,
                                                          {{"ZELCODB0.DAT", "kReadOnly"},
                                                           {"ZELLCOB0.DAT", "kCopied"},
                                                           {"zelbas00.dat", "kCopied"}}},
                                           PermissionCase{"ReadOnlyDestinationFolder",
                                                          0644,
                                                          false,
                                                          0644,
                                                          {{"ZELCODB0.DAT", "kCreateFailed"},
                                                           {"ZELLCOB0.DAT", "kCreateFailed"},
                                                           {"zelbas00.dat", "kCreateFailed"}}}),
                         CaseName());

// A replaced file keeps its permission bits; the temporary's own must not
// leak into it.
TEST(Permission, ReplacementKeepsTheFileMode) {
    Scratch scratch;
    const std::string src = scratch.Folder("src");
    const std::string dst = scratch.Folder("dst");
    ASSERT_TRUE(WriteBytes(src + "ZELCODB0.DAT", CrLfText("new", 100)));
    for (const mode_t mode : {0600, 0640, 0604, 0755}) {
        ASSERT_TRUE(WriteBytes(dst + "ZELCODB0.DAT", "old\r\n"));
        ASSERT_EQ(chmod((dst + "ZELCODB0.DAT").c_str(), mode), 0);

        EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src, dst), 1) << std::oct << mode;

        struct stat info {};
        ASSERT_EQ(stat((dst + "ZELCODB0.DAT").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(ReadBytes(dst + "ZELCODB0.DAT"), ReadBytes(src + "ZELCODB0.DAT"))
            << std::oct << mode;
        ASSERT_EQ(chmod((dst + "ZELCODB0.DAT").c_str(), 0644), 0);
    }
}

}  // namespace
