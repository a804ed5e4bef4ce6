#include <string>

#include <gtest/gtest.h>

#include "engine/FileSystem.h"
#include "engine/TextForm.h"
#include "engine/TextReader.h"
#include "engine/TextWriter.h"
#include "tests/support/TempFolder.h"

namespace {

class TextModeTest : public ::testing::Test {
  protected:
    FileHandle OpenWith(const std::string& bytes) {
        folder_.Write("in", bytes);
        FileHandle file;
        FileFacts facts;
        EXPECT_EQ(FileSystem::Default().OpenForReading(folder_.text() + "in", file, facts), 0);
        return file;
    }

    // Everything the reader hands out, in whatever pieces it hands it out.
    std::string ReadAll(const std::string& bytes) {
        const FileHandle file = OpenWith(bytes);
        TextReader reader(FileSystem::Default(), file);
        std::string text;
        for (std::string_view piece; !(piece = reader.Take(7, false)).empty();) {
            text += piece;
        }
        EXPECT_EQ(reader.error(), 0);
        return text;
    }

    // The lines ReadLine yields with limit.
    std::vector<std::string> Lines(const std::string& bytes, std::size_t limit) {
        const FileHandle file = OpenWith(bytes);
        TextReader reader(FileSystem::Default(), file);
        std::vector<std::string> lines;
        std::string buffer(limit, '\0');
        while (std::size_t size = reader.ReadLine(buffer.data(), limit)) {
            lines.emplace_back(buffer.data(), size);
        }
        return lines;
    }

    std::string WriteAll(const std::string& text) {
        const std::string path = folder_.text() + "out" + std::to_string(++written_);
        FileHandle file;
        EXPECT_EQ(FileSystem::Default().CreateNewFile(path, file), 0);
        TextWriter writer(FileSystem::Default(), file);
        EXPECT_TRUE(writer.Write(text));
        EXPECT_TRUE(writer.Flush());
        EXPECT_EQ(file.Close(), 0);
        return *folder_.Read(path.substr(folder_.text().size()));
    }

    TempFolder folder_;
    int written_ = 0;
};

struct Translation {
    std::string raw;
    std::string text;
};

TEST_F(TextModeTest, ReadingTranslatesLineEndsAndStopsAtEndOfData) {
    const Translation rows[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb", "a\nb"},
        {"lone\rcr\r", "lone\rcr\r"},
        {"\r\r\n", "\r\n"},
        {"\r\n\r\n\r", "\n\n\r"},
        {"before\x1A"
         "after\r\n",
         "before"},
        {"cr\r\x1A\n", "cr\r"},
        // The end of data in a later buffer fill ends it as well.
        {std::string(TextReader::kBufferBytes, 'p') + "\x1A" + "after\r\n",
         std::string(TextReader::kBufferBytes, 'p')},
        {std::string("nul\0after\r\n", 11), std::string("nul\0after\n", 10)},
        {"\x81\x40\xE0\x0A\r\n", "\x81\x40\xE0\x0A\n"},
    };
    for (const Translation& row : rows) {
        EXPECT_EQ(ReadAll(row.raw), row.text) << "raw: " << testing::PrintToString(row.raw);
    }
}

TEST_F(TextModeTest, CrLfStraddlingTwoBufferFillsReadsAsOneLf) {
    const std::size_t fill = TextReader::kBufferBytes;
    std::string raw(fill - 1, 'x');
    raw += "\r\nnext";
    EXPECT_EQ(ReadAll(raw), std::string(fill - 1, 'x') + "\nnext");

    // A CR that really ends a fill and the file stays a lone CR.
    std::string crAtEnd(fill - 1, 'y');
    crAtEnd += '\r';
    EXPECT_EQ(ReadAll(crAtEnd), crAtEnd);

    // A CR ending the fill before a CR LF pair in the next one.
    std::string twoCr(fill - 1, 'z');
    twoCr += "\r\r\n";
    EXPECT_EQ(ReadAll(twoCr), std::string(fill - 1, 'z') + "\r\n");
}

TEST_F(TextModeTest, ReadLineTakesAtMostLimitMinusOneBytesAndStopsAfterLf) {
    EXPECT_EQ(Lines("abcdefgh\r\nij\n", 5),
              (std::vector<std::string>{"abcd", "efgh", "\n", "ij\n"}));
    EXPECT_EQ(Lines("abc\n\nd", 256), (std::vector<std::string>{"abc\n", "\n", "d"}));
}

TEST_F(TextModeTest, ReadLineJoinsALineAcrossBufferFills) {
    const std::size_t fill = TextReader::kBufferBytes;
    std::string raw(fill - 2, 'a');
    raw += "bc\r\nd";
    const auto lines = Lines(raw, fill + 10);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(fill - 2, 'a') + "bc\n");
    EXPECT_EQ(lines[1], "d");
}

TEST_F(TextModeTest, WritingTurnsEachLfIntoCrLf) {
    const Translation rows[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"\r\n\r\n", "\n\n"},
        {"cr\r", "cr\r"},
        {std::string("\0\r\n", 3), std::string("\0\n", 2)},
    };
    for (const Translation& row : rows) {
        EXPECT_EQ(WriteAll(row.text), row.raw) << "text: " << testing::PrintToString(row.text);
    }
}

TEST_F(TextModeTest, WritingMoreThanOneBufferKeepsEveryByte) {
    std::string text;
    for (int i = 0; text.size() < 3 * TextWriter::kBufferBytes; ++i) {
        text += std::to_string(i) + "\n";
    }
    std::string expected;
    for (char c : text) {
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(WriteAll(text), expected);
}

// A file the copy leaves byte for byte is recognised as such, whatever pieces
// it is taken in: the check must agree with reading and writing it back.
TEST_F(TextModeTest, TextFormIsExactlyWhatTheCopyLeavesUnchanged) {
    const std::string eight = "12345678";
    const std::string rows[] = {
        "",
        "a\r\nb\r\n",
        "a\nb",
        "\n",
        "lone\rcr\r",
        "\r\r\n",
        "\r\n\n",
        "end\x1A",
        "\x1A\r\n",
        std::string("nul\0\r\n", 6),
        "1234567\r\n" + eight,  // a CR LF pair across two words of the check
        "1234567\r" + eight + "\n",
        eight + "\r\n\r\r\n\rx\n",
        eight + eight + "\n" + eight,
        "ab" + eight + "\x1A" + eight,
        "\x81\x40\xE0\x0A\r\n",
    };
    for (const std::string& raw : rows) {
        const bool unchanged = WriteAll(ReadAll(raw)) == raw;
        for (std::size_t split = 0; split <= raw.size(); ++split) {
            TextFormCheck check;
            check.Add(std::string_view(raw).substr(0, split));
            EXPECT_EQ(check.Add(std::string_view(raw).substr(split)), unchanged)
                << testing::PrintToString(raw) << " split at " << split;
        }
    }
}

}  // namespace
