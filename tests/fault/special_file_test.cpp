// Entries of the source that are not regular files: a FIFO, a socket and a
// folder under catalogue names. Each is skipped at once and reported, never
// opened: opening a FIFO would block the copy for good.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <string>
#include <vector>

#include "Driver.h"
#include "SampleText.h"
#include "Scratch.h"
#include "Strace.h"
#include "engine/DataFolder.h"

namespace {

const std::vector<std::string> kSpecial = {"A.ZEL", "B.ZEL", "ZELCODB0.DAT", "ZELLCOB0.DAT"};

bool MakeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const bool bound =
        fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

class SpecialFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        src_ = scratch_.Folder("src");
        dst_ = scratch_.Folder("dst");
        logs_ = scratch_.Folder("logs");
        ASSERT_TRUE(WriteBytes(src_ + "ZELBAS00.DAT", BaseFileText("SOURCE")));
        ASSERT_TRUE(WriteBytes(src_ + "C.ZEL", CrLfText("regular", 100)));
        ASSERT_EQ(mkfifo((src_ + "A.ZEL").c_str(), 0644), 0);
        ASSERT_TRUE(MakeSocket(src_ + "B.ZEL"));
        ASSERT_EQ(mkfifo((src_ + "ZELCODB0.DAT").c_str(), 0644), 0);
        ASSERT_EQ(mkdir((src_ + "ZELLCOB0.DAT").c_str(), 0755), 0);
    }

    void ExpectSkippedAndReported(const DriverRun& run) {
        ASSERT_TRUE(run.finished) << "the copy hung or failed\n" << run.Describe();
        for (const std::string& name : kSpecial) {
            EXPECT_EQ(run.Row(name).status, "kNotRegular") << name << "\n" << run.Describe();
        }
        EXPECT_EQ(run.Row("C.ZEL").status, "kCopied") << run.Describe();
        EXPECT_EQ(ListNames(dst_), (std::vector<std::string>{"C.ZEL", "zelbas00.dat"}));
    }

    Scratch scratch_;
    std::string src_;
    std::string dst_;
    std::string logs_;
};

TEST_F(SpecialFiles, AreSkippedWithoutHanging) {
    ExpectSkippedAndReported(RunDriver({}, RunArgs(KIND_BACKUP, src_, dst_), 20));
}

TEST_F(SpecialFiles, AreNeverOpened) {
    if (!HaveProgram("strace") || RunCommand({"strace", "-o", "/dev/null", "true"}).exitCode != 0) {
        GTEST_SKIP() << "strace is missing or cannot trace here";
    }
    const TracedRun run =
        TraceDriver("open,openat,openat2", {}, RunArgs(KIND_BACKUP, src_, dst_), logs_);
    ExpectSkippedAndReported(run.driver);
    for (const TracedCall& call : run.calls) {
        for (const std::string& name : kSpecial) {
            for (const std::string& path : call.paths) {
                EXPECT_NE(path, src_ + name) << "opened: " << call.line;
            }
        }
    }
}

}  // namespace
