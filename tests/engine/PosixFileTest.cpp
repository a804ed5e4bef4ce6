// Cases that need what only a POSIX file system has: hard and symbolic links
// (a link loop is a folder that cannot be listed), FIFOs, sockets, permission
// bits and the umask; and a folder text that would be a drive root on Windows.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <gtest/gtest.h>

#include "engine/Catalogue.h"
#include "engine/DataFolder.h"
#include "engine/FileReplacement.h"
#include "engine/FileSystem.h"
#include "engine/Folder.h"
#include "engine/FolderListing.h"
#include "engine/TextFileCopy.h"
#include "tests/support/TempFolder.h"

namespace {

class PosixFileTest : public ::testing::Test {
  protected:
    int Copy(const std::string& name) { return CopyDataFile(name, src_.text(), dst_.text()); }

    mode_t ModeOf(const TempFolder& folder, const std::string& name) {
        struct stat info {};
        EXPECT_EQ(::stat((folder.text() + name).c_str(), &info), 0) << name;
        return info.st_mode & 07777;
    }

    TempFolder src_;
    TempFolder dst_;
};

TEST_F(PosixFileTest, NeverCopiesAFileOntoItselfThroughLinks) {
    const std::string bytes = "only\ncopy\n";
    src_.Write("ZELSBJB0.DAT", bytes);
    const std::string sub = src_.MakeFolder("sub");
    ASSERT_EQ(::link((src_.text() + "ZELSBJB0.DAT").c_str(), (sub + "ZELSBJB0.DAT").c_str()), 0);
    const std::string linkFolder = dst_.text() + "link/";
    ASSERT_EQ(::symlink(src_.path().c_str(), (dst_.text() + "link").c_str()), 0);
    ASSERT_EQ(
        ::symlink((src_.text() + "ZELSBJB0.DAT").c_str(), (dst_.text() + "zelsbjb0.dat").c_str()),
        0);
    // A read-only file is still reported as the source itself: that it is
    // the same file is the reason it stays, whatever its marks.
    struct Row {
        const char* what;
        std::string dstFolder;
        mode_t mode;
    } rows[] = {
        {"symbolic link to the folder", linkFolder, 0644},
        {"hard link to the file", sub, 0644},
        {"hard link to a read-only file", sub, 0444},
        {"symbolic link to the file, other case", dst_.text(), 0644},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(::chmod((src_.text() + "ZELSBJB0.DAT").c_str(), row.mode), 0);
        Folder src(FileSystem::Default(), src_.text());
        Folder dst(FileSystem::Default(), row.dstFolder);
        EXPECT_EQ(CopyNamedFile(src, dst, "ZELSBJB0.DAT").status, FileStatus::kSameFile)
            << row.what;
        EXPECT_EQ(src_.Read("ZELSBJB0.DAT"), bytes) << row.what;
    }
    EXPECT_EQ(src_.Names(), (std::vector<std::string>{"ZELSBJB0.DAT", "sub"}));
}

TEST_F(PosixFileTest, IsSameFolderFollowsASymbolicLink) {
    const std::string a = src_.MakeFolder("a");
    ASSERT_EQ(::symlink((src_.text() + "a").c_str(), (src_.text() + "link").c_str()), 0);
    EXPECT_EQ(IsSameFolder(a, src_.text() + "link/"), 1);
    EXPECT_EQ(IsSameFolder(src_.text() + "link", a), 1);
}

TEST_F(PosixFileTest, SpecialFilesAreSkippedWithoutBeingOpened) {
    ASSERT_EQ(::mkfifo((src_.text() + "ZELMEEB0.DAT").c_str(), 0644), 0);
    src_.MakeFolder("ZELATRB0.DAT");
    ASSERT_EQ(::symlink("nowhere", (src_.text() + "ZELATRB2.DAT").c_str()), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = src_.text() + "ZELRULB0.DAT";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());  // the rest stays zero
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const char* name : {"ZELMEEB0.DAT", "ZELATRB0.DAT", "ZELATRB2.DAT", "ZELRULB0.DAT"}) {
        EXPECT_EQ(Copy(name), 0) << name;
    }
    ::close(sock);
    EXPECT_TRUE(dst_.Names().empty());
}

TEST_F(PosixFileTest, KeepsThePermissionBitsOfAnExistingFile) {
    src_.Write("ZELEVTB0.DAT", "events\n");
    dst_.Write("ZELEVTB0.DAT", "old\n");
    ASSERT_EQ(::chmod((dst_.text() + "ZELEVTB0.DAT").c_str(), 0604), 0);
    EXPECT_EQ(Copy("ZELEVTB0.DAT"), 1);
    EXPECT_EQ(ModeOf(dst_, "ZELEVTB0.DAT"), 0604u);

    src_.Write("ZELLESB0.DAT", "lessons\n");
    const mode_t mask = ::umask(027);
    EXPECT_EQ(Copy("ZELLESB0.DAT"), 1);
    ::umask(mask);
    EXPECT_EQ(ModeOf(dst_, "ZELLESB0.DAT"), 0640u);
}

// A symbolic link to nothing under the name is replaced by the new file (what
// it names is not created); a file that appears under the name of a new file
// while it is written is kept, and the copy fails.
TEST_F(PosixFileTest, ANewFileReplacesADanglingLinkButNoFileThatAppeared) {
    src_.Write("ZELCODB0.DAT", "data\n");
    ASSERT_EQ(::symlink("nowhere", (dst_.text() + "ZELCODB0.DAT").c_str()), 0);
    EXPECT_EQ(Copy("ZELCODB0.DAT"), 1);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "data\r\n");
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(ModeOf(dst_, "ZELCODB0.DAT"), 0666 & ~umask) << "the mode of any new file";

    dst_.Write("ZELLESB0.DAT", "appeared\n");
    const FileResult result = ReplaceFile(
        FileSystem::Default(), dst_.text(), dst_.text() + "ZELLESB0.DAT", TargetEntry::kNone,
        FileFacts{}, [](TextWriter& writer) { return writer.Write("new\n") ? 0 : EIO; });
    EXPECT_EQ(result.status, FileStatus::kCreateFailed);
    EXPECT_EQ(result.systemError, EEXIST);
    EXPECT_EQ(dst_.Read("ZELLESB0.DAT"), "appeared\n");
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"ZELCODB0.DAT", "ZELLESB0.DAT"}));
}

// Root's backup into a user's folder leaves each replaced file the user's, so
// that the user's next backup can replace it again.
TEST_F(PosixFileTest, AReplacementKeepsTheOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    constexpr uid_t kUser = 65534;
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    const std::string target = dst_.text() + "ZELCODB0.DAT";
    ASSERT_EQ(::chown(target.c_str(), kUser, kUser), 0);
    EXPECT_EQ(Copy("ZELCODB0.DAT"), 1);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kUser);
    EXPECT_EQ(info.st_gid, kUser);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "new\r\n");
}

TEST_F(PosixFileTest, AFifoAtTheDestinationIsLeftAlone) {
    src_.Write("ZELCODB0.DAT", "data\n");
    ASSERT_EQ(::mkfifo((dst_.text() + "zelcodb0.dat").c_str(), 0644), 0);
    EXPECT_EQ(Copy("ZELCODB0.DAT"), 0);
    struct stat info {};
    ASSERT_EQ(::lstat((dst_.text() + "zelcodb0.dat").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"zelcodb0.dat"});
}

TEST_F(PosixFileTest, ADriveLikeFolderTextIsNotCut) {
    src_.Write("ZELCODB0.DAT", "data\n");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dst_.path().c_str()), 0);
    const int copied = CopyDataFile("ZELCODB0.DAT", src_.text(), "C:\\\\");
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"C:\\\\ZELCODB0.DAT"});
}

// A missing directory holds nothing, so its empty listing is complete; one
// that cannot be opened might hold anything.
TEST(FolderListingReadTest, OnlyADirectoryThatCannotBeOpenedIsAnError) {
    const TempFolder folder;
    const std::string loop = folder.text() + "loop";
    ASSERT_EQ(::symlink("loop", loop.c_str()), 0);
    EXPECT_EQ(FolderListing::Read(FileSystem::Default(), folder.text() + "missing/").error(), 0);
    const FolderListing unopened = FolderListing::Read(FileSystem::Default(), loop + "/");
    EXPECT_EQ(unopened.size(), 0u);
    EXPECT_EQ(unopened.error(), ELOOP);
}

// A source folder that cannot be listed may hold any file of the catalogue:
// each entry is a failure with the errno, none passes as absent.
TEST_F(PosixFileTest, UnlistableSourceFailsEveryEntry) {
    const TempFolder parent;
    const std::string loop = parent.text() + "loop";
    ASSERT_EQ(::symlink("loop", loop.c_str()), 0);
    NoWaitIndicator indicator;
    OperationReport report;
    RunOperation(indicator, KIND_BACKUP, loop + "/", dst_.text(), "t", &report);
    EXPECT_EQ(report.files.size(), 1 + CatalogueFor(KIND_BACKUP).size());
    for (const FileResult& row : report.files) {
        EXPECT_EQ(row.status, FileStatus::kFolderUnreadable) << row.name;
        EXPECT_EQ(row.systemError, ELOOP) << row.name;
    }
    EXPECT_TRUE(dst_.Names().empty());
}

}  // namespace
