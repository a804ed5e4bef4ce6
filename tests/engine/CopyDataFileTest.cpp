#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/engine/TempFolder.h"

namespace {

class CopyDataFileTest : public ::testing::Test {
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

struct CopyRow {
    const char* what;
    std::string source;
    std::string copied;
};

TEST_F(CopyDataFileTest, CopiesInTextMode) {
    const CopyRow rows[] = {
        {"empty file", "", ""},
        {"CR LF lines", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"LF-only lines", "a\nb\n", "a\r\nb\r\n"},
        {"last line without LF", "a\r\nb", "a\r\nb"},
        {"lone CR", "a\rb\r", "a\rb\r"},
        {"end-of-data byte",
         "kept\r\n\x1A"
         "dropped\r\n",
         "kept\r\n"},
        {"NUL bytes", std::string("a\0b\nc\0", 6), std::string("a\0b\r\nc\0", 7)},
        {"Shift-JIS bytes", "\x93\xFA\x96\x7B\n\x8C\xEA\x0A", "\x93\xFA\x96\x7B\r\n\x8C\xEA\r\n"},
        {"line of 1000 bytes", std::string(1000, 'q') + "\n", std::string(1000, 'q') + "\r\n"},
    };
    for (const CopyRow& row : rows) {
        src_.Write("ZELCODB0.DAT", row.source);
        EXPECT_EQ(Copy("ZELCODB0.DAT"), 1) << row.what;
        EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), row.copied) << row.what;
    }
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
}

TEST_F(CopyDataFileTest, LargeFileWithMixedLineEndsIsCopiedWhole) {
    std::string source;
    std::string expected;
    for (int i = 0; source.size() < 300000; ++i) {
        const std::string line = "line " + std::to_string(i);
        source += line + (i % 3 == 0 ? "\n" : "\r\n");
        expected += line + "\r\n";
    }
    src_.Write("ZELLCOB0.DAT", source);
    EXPECT_EQ(Copy("ZELLCOB0.DAT"), 1);
    EXPECT_EQ(dst_.Read("ZELLCOB0.DAT"), expected);
}

TEST_F(CopyDataFileTest, ReplacesAnExistingFileCompletely) {
    dst_.Write("ZELCLAB0.DAT", std::string(5000, 'o'));
    src_.Write("ZELCLAB0.DAT", "new\n");
    EXPECT_EQ(Copy("ZELCLAB0.DAT"), 1);
    EXPECT_EQ(dst_.Read("ZELCLAB0.DAT"), "new\r\n");
}

TEST_F(CopyDataFileTest, MissingSourceLeavesTheDestinationAsItWas) {
    dst_.Write("ZELTEAB0.DAT", "old\r\n");
    EXPECT_EQ(Copy("ZELTEAB0.DAT"), 0);
    EXPECT_EQ(dst_.Read("ZELTEAB0.DAT"), "old\r\n");
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELTEAB0.DAT"});
}

TEST_F(CopyDataFileTest, NamesAreFoundWithoutRegardToCase) {
    src_.Write("zelrombo.dat", "unrelated\n");
    src_.Write("zelromb0.dat", "rooms\n");
    EXPECT_EQ(Copy("ZELROMB0.DAT"), 1);
    // A missing destination file takes the asked spelling.
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELROMB0.DAT"});
    EXPECT_EQ(dst_.Read("ZELROMB0.DAT"), "rooms\r\n");

    // An existing destination file spelt otherwise keeps its name.
    src_.Write("zelromb0.dat", "rooms 2\n");
    EXPECT_EQ(CopyDataFile("zelRomB0.dat", src_.text(), dst_.text()), 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELROMB0.DAT"});
    EXPECT_EQ(dst_.Read("ZELROMB0.DAT"), "rooms 2\r\n");
}

TEST_F(CopyDataFileTest, OfNamesDifferingOnlyInCaseTheExactOneWinsElseTheFirstInByteOrder) {
    src_.Write("ZELGRAB0.DAT", "upper\n");
    src_.Write("zelgrab0.dat", "lower\n");
    src_.Write("ZelGraB0.dat", "mixed\n");
    struct Row {
        const char* asked;
        const char* copied;
    } rows[] = {
        {"zelgrab0.dat", "lower\r\n"},
        {"ZelGraB0.dat", "mixed\r\n"},
        {"ZELGRAB0.DAT", "upper\r\n"},
        {"zELGRAB0.DAT", "upper\r\n"},  // no exact match: "ZELGRAB0.DAT" is first in byte order
    };
    for (const Row& row : rows) {
        TempFolder dst;
        EXPECT_EQ(CopyDataFile(row.asked, src_.text(), dst.text()), 1) << row.asked;
        EXPECT_EQ(dst.Read(row.asked), row.copied) << row.asked;
    }
}

TEST_F(CopyDataFileTest, NeverCopiesAFileOntoItself) {
    const std::string bytes = "only\ncopy\n";
    src_.Write("ZELSBJB0.DAT", bytes);
    const std::string sub = src_.MakeFolder("sub");
    ASSERT_EQ(::link((src_.text() + "ZELSBJB0.DAT").c_str(), (sub + "ZELSBJB0.DAT").c_str()), 0);
    const std::string linkFolder = dst_.text() + "link/";
    ASSERT_EQ(::symlink(src_.path().c_str(), (dst_.text() + "link").c_str()), 0);
    ASSERT_EQ(
        ::symlink((src_.text() + "ZELSBJB0.DAT").c_str(), (dst_.text() + "zelsbjb0.dat").c_str()),
        0);
    struct Row {
        const char* what;
        std::string dstFolder;
    } rows[] = {
        {"same folder text", src_.text()},
        {"other written form", src_.text() + "sub/../"},
        {"symbolic link to the folder", linkFolder},
        {"hard link to the file", sub},
        {"symbolic link to the file, other case", dst_.text()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CopyDataFile("ZELSBJB0.DAT", src_.text(), row.dstFolder), 0) << row.what;
        EXPECT_EQ(src_.Read("ZELSBJB0.DAT"), bytes) << row.what;
    }
    EXPECT_EQ(src_.Names(), (std::vector<std::string>{"ZELSBJB0.DAT", "sub"}));
}

TEST_F(CopyDataFileTest, SpecialFilesAreSkippedWithoutBeingOpened) {
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

TEST_F(CopyDataFileTest, KeepsThePermissionBitsOfAnExistingFile) {
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

TEST_F(CopyDataFileTest, PathsOverTheLimitAreRefusedNotCut) {
    // Folder text + "ZELCODB0.DAT" of exactly kMaxPathBytes, then one byte more.
    const std::size_t component = kMaxPathBytes - src_.text().size() - 1 - 12;
    const std::string fits = src_.MakeFolder(std::string(component, 'f'));
    const std::string over = src_.MakeFolder(std::string(component + 1, 'o'));
    ASSERT_EQ(fits.size() + 12, kMaxPathBytes);
    src_.Write(std::string(component, 'f') + "/ZELCODB0.DAT", "fits\n");
    src_.Write(std::string(component + 1, 'o') + "/ZELCODB0.DAT", "over\n");
    TempFolder dst;
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", fits, dst.text()), 1);
    EXPECT_EQ(dst.Read("ZELCODB0.DAT"), "fits\r\n");
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", over, dst.text()), 0);
    EXPECT_EQ(dst.Read("ZELCODB0.DAT"), "fits\r\n");
    // The same limit holds for the destination folder text.
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", dst.text(), over), 0);
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", dst.text(), fits), 1);
}

TEST_F(CopyDataFileTest, AFifoAtTheDestinationIsLeftAlone) {
    src_.Write("ZELCODB0.DAT", "data\n");
    ASSERT_EQ(::mkfifo((dst_.text() + "zelcodb0.dat").c_str(), 0644), 0);
    EXPECT_EQ(Copy("ZELCODB0.DAT"), 0);
    struct stat info {};
    ASSERT_EQ(::lstat((dst_.text() + "zelcodb0.dat").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"zelcodb0.dat"});
}

TEST_F(CopyDataFileTest, FailedCopiesLeaveNoTemporaryBehind) {
    src_.Write("ZELCODB0.DAT", "data\n");
    dst_.MakeFolder("ZELCODB0.DAT");
    EXPECT_EQ(Copy("ZELCODB0.DAT"), 0);
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src_.text(), dst_.text() + "missing/"), 0);
    // Written in full, then refused by the rename: the target's sub-folder is
    // missing while the temporary's folder is there.
    src_.MakeFolder("sub");
    src_.Write("sub/ZELLCOB0.DAT", "data\n");
    EXPECT_EQ(Copy("sub/ZELLCOB0.DAT"), 0);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
}

TEST_F(CopyDataFileTest, FolderTextIsAPlainPrefix) {
    src_.Write("yearZELCODB0.DAT", "prefixed\n");
    src_.Write("ZELCODB0.DAT", "plain\n");
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src_.text() + "year", dst_.text() + "old-"), 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"old-ZELCODB0.DAT"});
    EXPECT_EQ(dst_.Read("old-ZELCODB0.DAT"), "prefixed\r\n");
    EXPECT_EQ(CopyDataFiles("*.DAT", src_.text() + "YEAR", dst_.text()), 1);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "prefixed\r\n");
}

TEST_F(CopyDataFileTest, ADriveLikeFolderTextIsNotCut) {
    src_.Write("ZELCODB0.DAT", "data\n");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dst_.path().c_str()), 0);
    const int copied = CopyDataFile("ZELCODB0.DAT", src_.text(), "C:\\\\");
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"C:\\\\ZELCODB0.DAT"});
}

TEST_F(CopyDataFileTest, PatternCopiesEveryMatchUnderItsOwnName) {
    for (const char* name : {"a.SP1", "b.spa", "c.sp", "d.SPXX", "e.sp1.bak", "F.sp\xFF"}) {
        src_.Write(name, name);
    }
    dst_.Write("B.SPA", "old");
    EXPECT_EQ(CopyDataFiles("*.SP?", src_.text(), dst_.text()), 1);
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"B.SPA", "F.sp\xFF", "a.SP1"}));
    EXPECT_EQ(dst_.Read("B.SPA"), "b.spa") << "an existing file keeps its spelling";
    EXPECT_EQ(dst_.Read("F.sp\xFF"), "F.sp\xFF");
}

TEST_F(CopyDataFileTest, PatternWithoutMatchesReturnsZeroAndCreatesNothing) {
    src_.Write("a.ZEL", "");
    src_.MakeFolder("dir.SKN");
    EXPECT_EQ(CopyDataFiles("*.ZE2", src_.text(), dst_.text()), 0);
    EXPECT_EQ(CopyDataFiles("ZELAFFB0.DAT", src_.text(), dst_.text()), 0);
    EXPECT_EQ(CopyDataFiles("*.ZEL", src_.text() + "missing/", dst_.text()), 0);
    // A match that is skipped still counts as a match.
    EXPECT_EQ(CopyDataFiles("*.SKN", src_.text(), dst_.text()), 1);
    EXPECT_TRUE(dst_.Names().empty());
    src_.Write("zelaffb0.dat", "aff\n");
    EXPECT_EQ(CopyDataFiles("ZELAFFB0.DAT", src_.text(), dst_.text()), 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"zelaffb0.dat"});
}

TEST_F(CopyDataFileTest, PatternCopiesOneOfNamesDifferingOnlyInCase) {
    src_.Write("x.zel", "lower");
    src_.Write("X.ZEL", "upper");
    EXPECT_EQ(CopyDataFiles("*.ZEL", src_.text(), dst_.text()), 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"X.ZEL"});
    EXPECT_EQ(dst_.Read("X.ZEL"), "upper");
}

TEST_F(CopyDataFileTest, PatternCopyOntoTheSourceFolderChangesNothing) {
    src_.Write("a.ZEL", "a\n");
    src_.Write("b.ZEL", "b\r\n");
    EXPECT_EQ(CopyDataFiles("*.ZEL", src_.text(), src_.text()), 1);
    EXPECT_EQ(src_.Names(), (std::vector<std::string>{"a.ZEL", "b.ZEL"}));
    EXPECT_EQ(src_.Read("a.ZEL"), "a\n");
    EXPECT_EQ(src_.Read("b.ZEL"), "b\r\n");
}

}  // namespace
