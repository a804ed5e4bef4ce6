#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/FileName.h"
#include "engine/FileSystem.h"
#include "engine/FolderListing.h"
#include "tests/support/TempFolder.h"

namespace {

struct PatternRow {
    const char* pattern;
    std::string name;
    bool matches;
};

TEST(FileNameTest, PatternsMatchWithFoldedCase) {
    const PatternRow rows[] = {
        {"*.SP?", "a.SP1", true},
        {"*.SP?", "a.spa", true},
        {"*.SP?", "x.sp", false},
        {"*.SP?", "x.SPXX", false},
        {"*.SP?", ".spx", true},
        {"*.SP?", "x.spx.bak", false},
        {"*.SP?", "x.sp\xFF", true},
        {"*.ZEL", "ZEL", false},
        {"*.ZEL", "a.b.zel", true},
        {"ZELPRN1-*.DAT", "ZELPRN1-004.DAT", true},
        {"ZELPRN1-*.DAT", "ZELPRN10-000.DAT", false},
        {"ZELPRN1-*.DAT", "zelprn1-.dat", true},
        {"ZELAFFB0.DAT", "zelaffb0.dat", true},
        {"ZELAFFB0.DAT", "ZELAFFB0.DAT.bak", false},
        {"*", "", true},
        {"?", "", false},
        {"a*b*c", "axxbyyc", true},
        {"a*b*c", "axxbyyb", false},
        {"\x82\xA0*", "\x82\xA0x", true},
        {"\x82\xA0*", "\x82\xC0x", false},  // 0xA0 and 0xC0 are no letters: no folding
        {"[*", "[Z", true},
        {"[*", "{z", false},
    };
    for (const PatternRow& row : rows) {
        EXPECT_EQ(MatchesPattern(row.pattern, row.name), row.matches)
            << row.pattern << " against " << testing::PrintToString(row.name);
    }
}

TEST(FileNameTest, OnlyAsciiLettersFold) {
    EXPECT_TRUE(EqualsFolded("ZELBAS00.DAT", "zelbas00.dat"));
    EXPECT_FALSE(EqualsFolded("@", "`"));
    EXPECT_FALSE(EqualsFolded("[", "{"));
    EXPECT_FALSE(EqualsFolded("\xC1", "\xE1"));
    EXPECT_FALSE(EqualsFolded("ab", "abc"));
}

class FolderListingTest : public ::testing::Test {
  protected:
    FolderListing ListingOf(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            folder_.Write(name, "");
        }
        return FolderListing::Read(FileSystem::Default(), folder_.text());
    }

    TempFolder folder_;
};

TEST_F(FolderListingTest, ExactSpellingWinsElseFirstInByteOrder) {
    if (folder_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
    const FolderListing listing =
        ListingOf({"base.dat", "BASE.DAT", "Base.Dat", "BASE.DA", "base.dat.bak"});
    struct Row {
        const char* asked;
        const char* found;
    } rows[] = {
        {"base.dat", "base.dat"},         {"BASE.DAT", "BASE.DAT"},
        {"Base.Dat", "Base.Dat"},         {"bASE.DAT", "BASE.DAT"},  // "B" sorts before "b"
        {"base.da", "BASE.DA"},                                      // a name that starts another
        {"BASE.DAT.BAK", "base.dat.bak"},
    };
    for (const Row& row : rows) {
        const std::string* found = listing.Find(row.asked);
        ASSERT_NE(found, nullptr) << row.asked;
        EXPECT_EQ(*found, row.found) << row.asked;
    }
    EXPECT_EQ(listing.Find("base.d"), nullptr);
}

TEST_F(FolderListingTest, PatternYieldsOneEntryPerFoldedName) {
    if (folder_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
    const FolderListing listing = ListingOf({"a.zel", "A.ZEL", "b.ZEL", "c.zelx", ".zel"});
    EXPECT_EQ(listing.Match("*.ZEL"), (std::vector<std::string>{".zel", "A.ZEL", "b.ZEL"}));
    EXPECT_TRUE(listing.Match("*.ZE2").empty());
}

// Names alike in their first 16 bytes are ordered by what follows; bytes
// above 0x7F order after every ASCII letter.
TEST_F(FolderListingTest, LongNamesAlikeAtTheStartKeepByteOrder) {
    if (folder_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
    const FolderListing listing =
        ListingOf({"zelprn-sel-0002.dat", "ZELPRN-SEL-0001.DAT", "ZELPRN-SEL-0002.DAT",
                   "zelprn-sel-0001.dat", "ZELPRN-SEL-000\xff.DAT", "ZELPRN-SEL-00.DAT"});
    EXPECT_EQ(listing.Match("ZELPRN-SEL-*.DAT"),
              (std::vector<std::string>{"ZELPRN-SEL-00.DAT", "ZELPRN-SEL-0001.DAT",
                                        "ZELPRN-SEL-0002.DAT", "ZELPRN-SEL-000\xff.DAT"}));
    ASSERT_NE(listing.Find("Zelprn-Sel-0002.Dat"), nullptr);
    EXPECT_EQ(*listing.Find("Zelprn-Sel-0002.Dat"), "ZELPRN-SEL-0002.DAT");
    ASSERT_NE(listing.Find("zelprn-sel-0001.dat"), nullptr);
    EXPECT_EQ(*listing.Find("zelprn-sel-0001.dat"), "zelprn-sel-0001.dat");
}

TEST_F(FolderListingTest, AddedNamesAreFound) {
    FolderListing listing = ListingOf({"x"});
    listing.Add("NEW.DAT");
    listing.Add("NEW.DAT");
    EXPECT_EQ(listing.size(), 2u);
    ASSERT_NE(listing.Find("new.dat"), nullptr);
    EXPECT_EQ(*listing.Find("new.dat"), "NEW.DAT");
}

}  // namespace
