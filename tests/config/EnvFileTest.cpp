#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "config/EnvFile.h"
#include "tests/support/TempFolder.h"

namespace {

// A folder name in Shift-JIS, as the family writes the file, and the folder
// text it sets: the same bytes on POSIX, UTF-8 on Windows.
constexpr const char* kShiftJisFolderLine = "[PATH]=C:\\\x83\x66\x81\x5B\x83\x5E\\\r\n";
#ifdef _WIN32
constexpr const char* kShiftJisFolderText = "C:\\\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\\";
#else
constexpr const char* kShiftJisFolderText = "C:\\\x83\x66\x81\x5B\x83\x5E\\";
#endif

// Runs each test inside a fresh folder, as the program runs in its own.
class EnvFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
        g_szDataPath = "unchanged";
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    // Loads an environment file of content; returns LoadEnvFile's result.
    int Load(const std::string& content) {
        folder_.Write("zeldefs8.env", content);
        return LoadEnvFile("zeldefs8.env");
    }

    TempFolder folder_;
    std::filesystem::path previous_;
};

struct EnvRow {
    const char* what;
    std::string content;
    std::string path;
};

TEST_F(EnvFileTest, TheLastPathLineSetsTheDataFolder) {
    const std::string longValue(300, 'v');
    const EnvRow rows[] = {
        {"CR LF line", "[PATH]=D:\\DATA\\2019\\\r\n", "D:\\DATA\\2019\\"},
        {"LF line", "[PATH]=/srv/data/\n", "/srv/data/"},
        {"key in lower case", "[path]=C:\\X\\\r\n", "C:\\X\\"},
        {"last line without line end", "[PATH]=C:\\X\\", "C:\\X\\"},
        {"only the key and =", "[PATH]=\r\n", ""},
        {"only the key", "[PATH]\r\n", ""},
        {"other seventh character", "[PATH]:C:\\X\\\r\n", "C:\\X\\"},
        {"space after the key", "[PATH] =C:\\X\\\r\n", "=C:\\X\\"},
        {"two lines: the last wins", "[PATH]=A\\\r\n[PATH]=B\\\r\n", "B\\"},
        {"other lines around", "; note\r\n\r\n[MODE]=2\r\n[PATH]=E:\\\r\n[X]=1\r\n", "E:\\"},
        {"no path line", "[MODE]=1\r\n", ""},
        {"empty file", "", ""},
        {"blank before the key", " [PATH]=C:\\\r\n", ""},
        {"value of a long line: its first 255 bytes", "[PATH]=" + longValue + "\r\n",
         std::string(255 - 7, 'v')},
        {"a later piece of a long line is a line of its own",
         "[PATH]=A\r\n" + std::string(255, 'x') + "[PATH]=B\r\n", "B"},
        {"lone CR stays in the value", "[PATH]=C:\\\r\r\n", "C:\\\r"},
        {"end-of-data byte hides later lines", "[PATH]=A\r\n\x1A[PATH]=B\r\n", "A"},
        {"value stops at a NUL byte", std::string("[PATH]=C:\\\0junk\r\n", 17), "C:\\"},
        {"NUL inside the key", std::string("[PA\0H]=C:\\\r\n", 12), ""},
        {"Shift-JIS value", kShiftJisFolderLine, kShiftJisFolderText},
    };
    for (const EnvRow& row : rows) {
        g_szDataPath.clear();
        EXPECT_EQ(Load(row.content), 1) << row.what;
        EXPECT_EQ(g_szDataPath, row.path) << row.what;
    }
}

TEST_F(EnvFileTest, AFileWithoutPathLineLeavesTheDataFolder) {
    EXPECT_EQ(Load("[MODE]=1\r\n"), 1);
    EXPECT_EQ(g_szDataPath, "unchanged");
}

TEST_F(EnvFileTest, AMissingFileOrAFolderIsRefused) {
    EXPECT_EQ(LoadEnvFile("zeldefs8.env"), 0);
    EXPECT_EQ(g_szDataPath, "unchanged");
    folder_.MakeFolder("zeldefs8.env");
    EXPECT_EQ(LoadEnvFile("zeldefs8.env"), 0);
    EXPECT_EQ(g_szDataPath, "unchanged");
}

TEST_F(EnvFileTest, TheFileIsFoundInAnyLetterCaseTheExactSpellingFirst) {
    folder_.Write("ZELDEFS8.ENV", "[PATH]=upper\r\n");
    EXPECT_EQ(LoadEnvFile("zeldefs8.env"), 1);
    EXPECT_EQ(g_szDataPath, "upper");
    folder_.Write("zeldefs8.env", "[PATH]=exact\r\n");
    EXPECT_EQ(LoadEnvFile("zeldefs8.env"), 1);
    EXPECT_EQ(g_szDataPath, "exact");
}

TEST_F(EnvFileTest, TheKeyIsLookedUpOnlyFromTheCurrentFolder) {
    folder_.MakeFolder("sub");
    folder_.Write("sub/zeldefs8.env", "[PATH]=sub\r\n");
    EXPECT_EQ(LoadEnvFile("zeldefs8.env"), 0);
    EXPECT_EQ(LoadEnvFile("sub/zeldefs8.env"), 1);
    EXPECT_EQ(g_szDataPath, "sub");
}

TEST_F(EnvFileTest, HugeAndBinaryFilesAreReadToTheEnd) {
    std::string huge(1 << 20, 'x');  // one line of 1 MiB
    huge += "\r\n";
    for (int i = 0; i < 256; ++i) {
        if (i != 0x1A) {  // that byte would end the data
            huge += static_cast<char>(i);
        }
    }
    huge += "\n[PATH]=after binary\n";
    EXPECT_EQ(Load(huge), 1);
    EXPECT_EQ(g_szDataPath, "after binary");
}

}  // namespace
