#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

class CopyDataFileTest : public ::testing::Test {
  protected:
    int Copy(const std::string& name) { return CopyDataFile(name, src_.text(), dst_.text()); }

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

    // Only A to Z fold, also where the file system folds more: "ÉTÉ.DAT" and
    // "été.dat" are two names.
    src_.Write("\xC3\x89T\xC3\x89.DAT", "summer\n");
    EXPECT_EQ(Copy("\xC3\xA9t\xC3\xA9.dat"), 0);
    EXPECT_EQ(Copy("\xC3\x89t\xC3\x89.dat"), 1);
    EXPECT_EQ(dst_.Read("\xC3\x89t\xC3\x89.dat"), "summer\r\n");
}

TEST_F(CopyDataFileTest, OfNamesDifferingOnlyInCaseTheExactOneWinsElseTheFirstInByteOrder) {
    if (src_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
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
    src_.MakeFolder("sub");
    for (const std::string& dstFolder : {src_.text(), src_.text() + "sub/../"}) {
        EXPECT_EQ(CopyDataFile("ZELSBJB0.DAT", src_.text(), dstFolder), 0) << dstFolder;
        EXPECT_EQ(src_.Read("ZELSBJB0.DAT"), bytes) << dstFolder;
    }
    EXPECT_EQ(src_.Names(), (std::vector<std::string>{"ZELSBJB0.DAT", "sub"}));
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

TEST_F(CopyDataFileTest, PatternCopiesEveryMatchUnderItsOwnName) {
    for (const char* name : {"a.SP1", "b.spa", "c.sp", "d.SPXX", "e.sp1.bak", "F\xC3\xBF.sp1"}) {
        src_.Write(name, name);
    }
    dst_.Write("B.SPA", "old");
    EXPECT_EQ(CopyDataFiles("*.SP?", src_.text(), dst_.text()), 1);
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"B.SPA", "F\xC3\xBF.sp1", "a.SP1"}));
    EXPECT_EQ(dst_.Read("B.SPA"), "b.spa") << "an existing file keeps its spelling";
    EXPECT_EQ(dst_.Read("F\xC3\xBF.sp1"), "F\xC3\xBF.sp1");
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
    if (src_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
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
