#include <string>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

TEST(FolderChecksTest, HasBaseFileAcceptsAnyLetterCaseButOnlyAFile) {
    TempFolder folder;
    const std::string upper = folder.MakeFolder("upper");
    const std::string lower = folder.MakeFolder("lower");
    const std::string dir = folder.MakeFolder("dir");
    const std::string none = folder.MakeFolder("none");
    folder.Write("upper/ZELBAS00.DAT", "");
    folder.Write("lower/zelbas00.dat", "");
    folder.MakeFolder("dir/ZELBAS00.DAT");
    folder.Write("none/ZELBAS00.DA", "");
    EXPECT_EQ(HasBaseFile(upper), 1);
    EXPECT_EQ(HasBaseFile(lower), 1);
    EXPECT_EQ(HasBaseFile(dir), 0);
    EXPECT_EQ(HasBaseFile(none), 0);
    EXPECT_EQ(HasBaseFile(folder.text() + "missing/"), 0);
    EXPECT_EQ(HasBaseFile(upper + std::string(kMaxPathBytes, 'x') + "/"), 0);
}

TEST(FolderChecksTest, IsSameFolderSeesThroughWrittenForms) {
    TempFolder folder;
    const std::string a = folder.MakeFolder("a");
    folder.MakeFolder("b");
    const std::string& base = folder.text();
    struct Row {
        std::string first;
        std::string second;
        int same;
    } rows[] = {
        {a, a, 1},
        {a, base + "a", 1},
        {a, base + "a/.", 1},
        {a, base + "b/../a/", 1},
        {a, base + "b/", 0},
        {a, base + "missing/", 0},
        {base + "missing/", base + "missing/", 0},
        {"", "", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsSameFolder(row.first, row.second), row.same)
            << row.first << " / " << row.second;
        EXPECT_EQ(IsSameFolder(row.second, row.first), row.same)
            << row.second << " / " << row.first;
    }
}

TEST(FolderChecksTest, CreateFolderMakesOneLevel) {
    TempFolder folder;
    folder.Write("file", "");
    const std::string& base = folder.text();
    int error = 0;
    EXPECT_EQ(CreateFolder(base + "new", &error), 1);
    EXPECT_TRUE(folder.Exists("new"));
    EXPECT_EQ(CreateFolder(base + "new/", &error), 1) << "an existing folder is fine";
    EXPECT_EQ(CreateFolder(base + "file", &error), 0);
    EXPECT_EQ(error, EEXIST);
    EXPECT_EQ(CreateFolder(base + "a/b", &error), 0);
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(folder.Exists("a"));
    EXPECT_EQ(CreateFolder(base + "file/sub"), 0) << "no error pointer given";
}

}  // namespace
