#include "SampleData.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using FolderBytes = std::map<std::string, std::string>;

// 令和８年度　みどり台市立ひばり中学校, spelled out here apart from the generator.
constexpr char kDefaultTitleBytes[] =
    "\x97\xDF\x98\x61\x82\x57\x94\x4E\x93\x78\x81\x40\x82\xDD\x82\xC7\x82\xE8\x91\xE4"
    "\x8E\x73\x97\xA7\x82\xD0\x82\xCE\x82\xE8\x92\x86\x8A\x77\x8D\x5A";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FolderBytes ReadFolder(const fs::path& folder) {
    FolderBytes files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = ReadBytes(entry.path());
    }
    return files;
}

std::uint64_t TotalSize(const FolderBytes& files) {
    std::uint64_t total = 0;
    for (const auto& [name, bytes] : files) {
        total += bytes.size();
    }
    return total;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

// Splits at CR LF; a lone LF or CR stays inside its line.
std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = 0; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

class SampleFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "sample-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    // Makes a folder under the test's root; fails the test when it cannot.
    fs::path Make(const std::string& name, const SampleFolderOptions& options,
                  SampleFolderSummary* summary = nullptr) {
        fs::path folder = root_ / name;
        std::string error;
        EXPECT_EQ(MakeSampleFolder(folder, options, summary, &error), 1) << name << ": " << error;
        return folder;
    }

    fs::path root_;
};

TEST_F(SampleFolderTest, SameArgumentsGiveTheSameBytesAndAnotherSeedOtherBytes) {
    SampleFolderOptions options;
    options.sizeBytes = 300'000;
    options.unrelated = 5;
    options.seed = 7;
    const FolderBytes first = ReadFolder(Make("nested/first", options));
    const FolderBytes again = ReadFolder(Make("again", options));
    EXPECT_EQ(first, again);

    options.seed = 8;
    const FolderBytes reseeded = ReadFolder(Make("reseeded", options));
    ASSERT_EQ(reseeded.size(), first.size());
    EXPECT_NE(reseeded.at("ZELCLAB0.DAT"), first.at("ZELCLAB0.DAT"));
}

TEST_F(SampleFolderTest, BaseFileHas26CrLfLinesWithTheTitleOnLine23) {
    struct Row {
        const char* label;
        std::string title;
    };
    const Row rows[] = {
        {"default", kDefaultTitleBytes},
        {"ascii", "R8 test school"},
        {"empty", ""},
    };
    for (const Row& row : rows) {
        SampleFolderOptions options;
        options.sizeBytes = 10'000;
        if (std::string(row.label) != "default") {
            options.title = row.title;
        }
        const std::string base = ReadBytes(Make(row.label, options) / "ZELBAS00.DAT");
        ASSERT_TRUE(base.ends_with("\r\n")) << row.label;
        const std::vector<std::string> lines = CrLfLines(base);
        ASSERT_EQ(lines.size(), 26u) << row.label;
        EXPECT_EQ(lines[22], row.title) << row.label;
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << row.label << ": " << line;
        }
    }
}

TEST_F(SampleFolderTest, HoldsEveryFileTheOperationsKnow) {
    std::vector<std::string> expected = {
        "ZELBAS00.DAT",
        "ZELCODB0.DAT",
        "ZELLCOB0.DAT",
        "ZELCLAB0.DAT",
        "ZELTEAB0.DAT",
        "ZELROMB0.DAT",
        "ZELGRAB0.DAT",
        "ZELSBJB0.DAT",
        "ZELMEEB0.DAT",
        "ZELATRB0.DAT",
        "ZELATRB2.DAT",
        "ZELRULB0.DAT",
        "ZELEVTB0.DAT",
        "ZELLESB0.DAT",
        "ZELPIEB0.DAT",
        "ZELSPEB0.DAT",
        "ZELAFFB0.DAT",
        "ZELSTDB0.DAT",
        "ZELCRSB0.DAT",
        "ZELSLLB0.DAT",
        "ZELSLCB0.DAT",
        // Sheets only a backup takes along.
        "ZELPRN1-005.DAT",
        "ZELPRN2-003.DAT",
        "ZELPRN17-003.DAT",
    };
    for (int layout = 1; layout <= 17; ++layout) {
        const int sheets = layout == 1 || layout == 3 || layout == 5 || layout == 7 ? 5 : 3;
        for (int sheet = 0; sheet < sheets; ++sheet) {
            expected.push_back("ZELPRN" + std::to_string(layout) + "-00" + std::to_string(sheet) +
                               ".DAT");
        }
    }
    const FolderBytes files = ReadFolder(Make("folder", SampleFolderOptions{}));
    for (const std::string& name : expected) {
        EXPECT_TRUE(files.contains(name)) << name;
    }
    // Each pattern of the backup finds at least one file.
    const std::vector<std::pair<std::string, std::string>> affixes = {
        {"zelprn-sel-", ".dat"},
        {"", ".zel"},
        {"", ".ze2"},
        {"", ".sp1"},
        {"", ".spa"},
        {"", ".skn"},
    };
    for (const auto& [prefix, suffix] : affixes) {
        // Named captures: clang 14 cannot capture structured bindings.
        const bool found = std::any_of(
            files.begin(), files.end(), [&prefix = prefix, &suffix = suffix](const auto& file) {
                const std::string name = Lower(file.first);
                return name.starts_with(prefix) && name.ends_with(suffix);
            });
        EXPECT_TRUE(found) << prefix << "*" << suffix;
    }
}

TEST_F(SampleFolderTest, TotalSizeIsAboutAsAsked) {
    for (const std::uint64_t asked : {100'000ull, 1'000'000ull, 8'000'000ull}) {
        SampleFolderOptions options;
        options.sizeBytes = asked;
        SampleFolderSummary summary;
        const FolderBytes files =
            ReadFolder(Make("size-" + std::to_string(asked), options, &summary));
        const std::uint64_t total = TotalSize(files);
        EXPECT_GE(total, asked * 98 / 100) << asked;
        EXPECT_LE(total, asked * 102 / 100) << asked;
        EXPECT_EQ(summary.bytes, total) << asked;
        EXPECT_EQ(summary.files, files.size()) << asked;
    }
}

TEST_F(SampleFolderTest, ContentMixesLineEndsShiftJisAndEndMarks) {
    const FolderBytes files = ReadFolder(Make("folder", SampleFolderOptions{}));
    int crLf = 0, lfOnly = 0, endMarkInside = 0, shiftJis = 0, openLastLine = 0, longLine = 0;
    for (const auto& [name, bytes] : files) {
        const std::size_t lf = bytes.find('\n');
        crLf += lf != std::string::npos && lf > 0 && bytes[lf - 1] == '\r';
        lfOnly += std::adjacent_find(bytes.begin(), bytes.end(), [](char a, char b) {
                      return a != '\r' && b == '\n';
                  }) != bytes.end();
        const std::size_t mark = bytes.find('\x1A');
        endMarkInside += mark != std::string::npos && mark + 1 < bytes.size();
        shiftJis += std::any_of(bytes.begin(), bytes.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x81; });
        openLastLine += !bytes.empty() && bytes.back() != '\n';
        for (const std::string& line : CrLfLines(bytes)) {
            longLine += line.size() > 255;
        }
    }
    EXPECT_GT(crLf, 0);
    EXPECT_GT(lfOnly, 0);
    EXPECT_GT(endMarkInside, 0);
    EXPECT_GT(shiftJis, 0);
    EXPECT_GT(openLastLine, 0);
    EXPECT_GT(longLine, 0);
}

TEST_F(SampleFolderTest, UnrelatedFilesMatchNoCatalogueEntry) {
    SampleFolderOptions options;
    options.sizeBytes = 10'000;
    const std::size_t plain = ReadFolder(Make("plain", options)).size();
    options.unrelated = 250;
    const FolderBytes files = ReadFolder(Make("with-unrelated", options));
    EXPECT_EQ(files.size(), plain + 250);
    int unrelated = 0;
    for (const auto& [name, bytes] : files) {
        const std::string lower = Lower(name);
        const std::string extension = lower.substr(lower.rfind('.'));
        const bool catalogue = lower.starts_with("zel") || extension == ".zel" ||
                               extension == ".ze2" || extension.starts_with(".sp") ||
                               extension == ".skn";
        unrelated += !catalogue;
    }
    EXPECT_EQ(unrelated, 250);
}

TEST_F(SampleFolderTest, RefusesAFolderUnderARegularFile) {
    std::ofstream(root_ / "plain-file") << "x";
    std::string error;
    EXPECT_EQ(
        MakeSampleFolder(root_ / "plain-file" / "folder", SampleFolderOptions{}, nullptr, &error),
        0);
    EXPECT_FALSE(error.empty());
}

TEST_F(SampleFolderTest, TextFileHasTheAskedSizeAndRepeatsPerSeed) {
    for (const std::uint64_t asked : {0ull, 1ull, 3ull, 1'000ull, 3'000'000ull}) {
        const fs::path first = root_ / ("first-" + std::to_string(asked));
        const fs::path again = root_ / ("again-" + std::to_string(asked));
        ASSERT_EQ(WriteSampleTextFile(first, asked, 5), 1) << asked;
        ASSERT_EQ(WriteSampleTextFile(again, asked, 5), 1) << asked;
        const std::string bytes = ReadBytes(first);
        EXPECT_LE(bytes.size(), asked) << asked;
        EXPECT_GE(bytes.size() + 2, asked) << asked;
        EXPECT_EQ(bytes, ReadBytes(again)) << asked;
    }
}

int RunProgram(const std::string& arguments) {
    const int status = std::system((std::string(MAKE_SAMPLE_FOLDER) + " " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SampleFolderTest, ProgramStoresTheUtf8TitleAsShiftJisAndRefusesBadArguments) {
    const fs::path folder = root_ / "program";
    ASSERT_EQ(RunProgram(folder.string() + " --size-mb 0.05 --title 'R8 ひばり中学校' --seed 3"),
              0);
    const std::vector<std::string> lines = CrLfLines(ReadBytes(folder / "ZELBAS00.DAT"));
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[22], "R8 \x82\xD0\x82\xCE\x82\xE8\x92\x86\x8A\x77\x8D\x5A");

    const std::string refused = (root_ / "refused").string();
    for (const std::string& arguments :
         {refused + " --title '한'", refused + " --size-mb many", refused + " --seed",
          refused + " --colour blue", std::string("--size-mb 1")}) {
        EXPECT_EQ(RunProgram(arguments + " 2>/dev/null"), 2) << arguments;
    }
    EXPECT_FALSE(fs::exists(refused));
}

}  // namespace
