#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

// Lines first to last, "L<n>", each followed by lineEnd.
std::string NumberedLines(int first, int last, const std::string& lineEnd = "\r\n") {
    std::string lines;
    for (int n = first; n <= last; ++n) {
        lines += "L" + std::to_string(n) + lineEnd;
    }
    return lines;
}

std::string EmptyLines(int count) {
    std::string lines;
    for (int n = 0; n < count; ++n) {
        lines += "\r\n";
    }
    return lines;
}

std::string Repeated(const std::string& unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

// A base file whose line 23 is title.
std::string BaseFileWithTitle(const std::string& title) {
    return NumberedLines(1, 22) + title + "\r\n" + NumberedLines(24, 26);
}

class BaseFileTest : public ::testing::Test {
  protected:
    TempFolder src_;
    TempFolder dst_;
};

struct TitleRow {
    const char* what;
    std::string baseFile;
    std::string title;
};

TEST_F(BaseFileTest, ReadTitleReturnsPhysicalLine23CutToFiftyBytes) {
    const std::string sjis24 = Repeated("\x82\xA0", 24);
    const std::string taka = "\xFB\xFC";  // a lead byte from the upper range
    const TitleRow rows[] = {
        {"plain", BaseFileWithTitle("R8 Year"), "R8 Year"},
        {"LF-only lines", NumberedLines(1, 22, "\n") + "T\nx\n", "T"},
        {"long lines before the title",
         std::string(300, 'a') + "\r\n" + NumberedLines(2, 22) + "Title\r\n", "Title"},
        {"title without line end", NumberedLines(1, 22) + "Last", "Last"},
        {"no line 23", NumberedLines(1, 22), ""},
        {"empty file", "", ""},
        {"empty title line", NumberedLines(1, 22) + "\r\nnext\r\n", ""},
        {"title of 60 bytes", BaseFileWithTitle(std::string(60, 't')), std::string(50, 't')},
        {"Shift-JIS title of 50 bytes", BaseFileWithTitle(sjis24 + "ab"), sjis24 + "ab"},
        {"Shift-JIS character across byte 50",
         BaseFileWithTitle("a" + sjis24 +
                           "\x93\xFA"
                           "z"),
         "a" + sjis24},
        {"lead byte from 0xE0 up across byte 50", BaseFileWithTitle("a" + Repeated(taka, 25)),
         "a" + Repeated(taka, 24)},
        {"lone CR kept", BaseFileWithTitle("a\rb"), "a\rb"},
        {"end-of-data byte before line 23", NumberedLines(1, 5) + "\x1A" + NumberedLines(6, 26),
         ""},
        {"NUL in the title", BaseFileWithTitle(std::string("a\0b", 3)), std::string("a\0b", 3)},
    };
    for (const TitleRow& row : rows) {
        src_.Write("ZELBAS00.DAT", row.baseFile);
        std::string title = "unset";
        EXPECT_EQ(ReadTitle(src_.text(), title), 1) << row.what;
        EXPECT_EQ(title, row.title) << row.what;
    }
}

TEST_F(BaseFileTest, ReadTitleFindsTheBaseFileInAnyLetterCase) {
    src_.Write("zelbas00.dat", BaseFileWithTitle("lower"));
    std::string title;
    EXPECT_EQ(ReadTitle(src_.text(), title), 1);
    EXPECT_EQ(title, "lower");
}

TEST_F(BaseFileTest, ReadTitleWithoutABaseFileLeavesTheTitle) {
    src_.MakeFolder("dir");
    src_.MakeFolder("dir/ZELBAS00.DAT");
    for (const std::string& folder : {src_.text(), src_.text() + "dir/", src_.text() + "no/"}) {
        std::string title = "kept";
        EXPECT_EQ(ReadTitle(folder, title), 0) << folder;
        EXPECT_EQ(title, "kept") << folder;
    }
}

struct WriteRow {
    const char* what;
    std::string source;
    std::string title;
    std::string written;
};

TEST_F(BaseFileTest, WriteBaseFileAlwaysWritesTwentySixLines) {
    const std::string longLine(70000, 'w');
    const WriteRow rows[] = {
        {"26 lines", BaseFileWithTitle("old"), "new", BaseFileWithTitle("new")},
        {"30 lines, 27 to 30 dropped", NumberedLines(1, 30), "T", BaseFileWithTitle("T")},
        {"10 lines", NumberedLines(1, 10), "T",
         NumberedLines(1, 10) + EmptyLines(12) + "T\r\n" + EmptyLines(3)},
        {"10 lines, last without LF", NumberedLines(1, 9) + "L10", "T",
         NumberedLines(1, 10) + EmptyLines(12) + "T\r\n" + EmptyLines(3)},
        {"LF-only lines", NumberedLines(1, 26, "\n"), "T", BaseFileWithTitle("T")},
        {"empty source", "", "T", EmptyLines(22) + "T\r\n" + EmptyLines(3)},
        {"empty title", BaseFileWithTitle("old"), "", BaseFileWithTitle("")},
        {"lines longer than any buffer",
         longLine + "\r\n" + NumberedLines(2, 23) + longLine + "\n" + NumberedLines(25, 26), "T",
         longLine + "\r\n" + NumberedLines(2, 22) + "T\r\n" + longLine + "\r\n" +
             NumberedLines(25, 26)},
        {"title with a line break", BaseFileWithTitle("old"), "one\r\ntwo",
         BaseFileWithTitle("one")},
        {"title with an end-of-data byte", BaseFileWithTitle("old"),
         "a\x1A"
         "b",
         BaseFileWithTitle("a")},
        {"Shift-JIS title", BaseFileWithTitle("old"), "\x97\xDF\x98\x61\x82\x57\x94\x4E",
         BaseFileWithTitle("\x97\xDF\x98\x61\x82\x57\x94\x4E")},
        {"NUL bytes in lines", std::string("a\0b\n", 4) + NumberedLines(2, 26), "T",
         std::string("a\0b\r\n", 5) + NumberedLines(2, 22) + "T\r\n" + NumberedLines(24, 26)},
    };
    for (const WriteRow& row : rows) {
        src_.Write("ZELBAS00.DAT", row.source);
        EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text(), row.title), 1) << row.what;
        EXPECT_EQ(dst_.Read("zelbas00.dat"), row.written) << row.what;
        EXPECT_EQ(dst_.Names(), std::vector<std::string>{"zelbas00.dat"}) << row.what;
    }
}

TEST_F(BaseFileTest, AnExistingDestinationBaseFileKeepsItsName) {
    src_.Write("zelbas00.dat", BaseFileWithTitle("src"));
    dst_.Write("ZELBAS00.DAT", BaseFileWithTitle("old"));
    EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text(), "new"), 1);
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELBAS00.DAT"});
    EXPECT_EQ(dst_.Read("ZELBAS00.DAT"), BaseFileWithTitle("new"));
}

TEST_F(BaseFileTest, WriteBaseFileWithoutASourceLeavesTheDestination) {
    dst_.Write("zelbas00.dat", "old");
    EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text(), "T"), 0);
    EXPECT_EQ(dst_.Read("zelbas00.dat"), "old");
    EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text() + "missing/", "T"), 0);
}

TEST_F(BaseFileTest, WriteBaseFileOntoItselfIsRefused) {
    const std::string bytes = BaseFileWithTitle("mine");
    src_.Write("ZELBAS00.DAT", bytes);
    EXPECT_EQ(WriteBaseFile(src_.text(), src_.text() + "./", "other"), 0);
    EXPECT_EQ(WriteBaseFile(src_.text(), src_.text(), "other"), 0);
    EXPECT_EQ(src_.Read("ZELBAS00.DAT"), bytes);
    EXPECT_EQ(src_.Names(), std::vector<std::string>{"ZELBAS00.DAT"});
}

TEST_F(BaseFileTest, BadBaseFilesStillGiveOneTitleAndTwentySixLines) {
    const std::string megabyteLine(1 << 20, 'm');
    std::string tenThousandLines;
    for (int n = 1; n <= 10000; ++n) {
        tenThousandLines += (n == 23 ? std::string("T23") : "L" + std::to_string(n)) + "\r\n";
    }
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        const char byte = static_cast<char>((i * 7) % 256);
        binary += byte == 0x1A ? '\0' : byte;
    }
    struct Row {
        const char* what;
        std::string source;
        std::string title;
    } rows[] = {
        {"one line of 1 MiB", megabyteLine, ""},
        {"no line feed at all", std::string(1000, 'n'), ""},
        {"10,000 lines", tenThousandLines, "T23"},
        {"binary bytes", binary, ""},
    };
    for (const Row& row : rows) {
        src_.Write("ZELBAS00.DAT", row.source);
        std::string title = "unset";
        if (row.title.empty()) {
            EXPECT_EQ(ReadTitle(src_.text(), title), 1) << row.what;
        } else {
            ASSERT_EQ(ReadTitle(src_.text(), title), 1) << row.what;
            EXPECT_EQ(title, row.title) << row.what;
        }
        EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text(), "new"), 1) << row.what;
        const std::string written = *dst_.Read("zelbas00.dat");
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = written.find("\r\n", at)) != std::string::npos; at += 2) {
            ++lines;
        }
        EXPECT_EQ(lines, 26u) << row.what;
        EXPECT_NE(written.find("\r\nnew\r\n"), std::string::npos) << row.what;
    }
}

TEST_F(BaseFileTest, ALongFirstLineIsCarriedWhole) {
    const std::string megabyteLine(1 << 20, 'm');
    src_.Write("ZELBAS00.DAT", megabyteLine);
    EXPECT_EQ(WriteBaseFile(src_.text(), dst_.text(), "T"), 1);
    EXPECT_EQ(dst_.Read("zelbas00.dat"),
              megabyteLine + "\r\n" + EmptyLines(21) + "T\r\n" + EmptyLines(3));
}

}  // namespace
