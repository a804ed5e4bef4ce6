#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Catalogue.h"
#include "engine/FileName.h"

namespace {

std::vector<std::string> TextsOf(int kind, bool byPattern) {
    std::vector<std::string> texts;
    for (const CatalogueEntry& entry : CatalogueFor(kind)) {
        if (entry.byPattern == byPattern) {
            texts.push_back(entry.text);
        }
    }
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(CatalogueTest, CarryOverNamesMastersAndFiftyNineLayoutSheets) {
    const auto names = TextsOf(KIND_CARRY_OVER, false);
    ASSERT_EQ(names.size(), 13u + 59);
    EXPECT_EQ(names.front(), "ZELCODB0.DAT");
    EXPECT_EQ(names[12], "ZELLESB0.DAT");
    EXPECT_EQ(names[13], "ZELPRN1-000.DAT");
    EXPECT_EQ(names.back(), "ZELPRN17-002.DAT");
    for (const char* sheet : {"ZELPRN1-004.DAT", "ZELPRN3-004.DAT", "ZELPRN7-004.DAT",
                              "ZELPRN2-002.DAT", "ZELPRN10-000.DAT"}) {
        EXPECT_TRUE(Contains(names, sheet)) << sheet;
    }
    for (const char* sheet : {"ZELPRN2-003.DAT", "ZELPRN9-003.DAT", "ZELPRN1-005.DAT",
                              "ZELPRN18-000.DAT", "ZELPIEB0.DAT", "ZELSTDB0.DAT"}) {
        EXPECT_FALSE(Contains(names, sheet)) << sheet;
    }
    EXPECT_EQ(TextsOf(KIND_CARRY_OVER, true), std::vector<std::string>{"ZELPRN-SEL-*.DAT"});
}

TEST(CatalogueTest, BackupTakesEveryLayoutByPattern) {
    const auto entries = CatalogueFor(KIND_BACKUP);
    ASSERT_EQ(entries.size(), 13u + 2 + 1 + 17 + 1 + 4);
    EXPECT_EQ(entries[13].text, "ZELPIEB0.DAT");
    EXPECT_EQ(entries[14].text, "ZELSPEB0.DAT");
    EXPECT_EQ(entries[15].text, "ZELAFFB0.DAT");
    EXPECT_TRUE(entries[15].byPattern);
    EXPECT_EQ(entries[16].text, "ZELPRN1-*.DAT");
    EXPECT_EQ(entries[32].text, "ZELPRN17-*.DAT");
    EXPECT_EQ(entries[33].text, "ZELPRN-SEL-*.DAT");
    const std::vector<std::string> tail = {entries[34].text, entries[35].text, entries[36].text,
                                           entries[37].text};
    EXPECT_EQ(tail, (std::vector<std::string>{"*.ZEL", "*.ZE2", "*.SP?", "*.SKN"}));
}

TEST(CatalogueTest, VariantGroupFollowsTheSelectionFilesOnlyForVariantTwo) {
    g_nVariant = 2;
    const auto carry = CatalogueFor(KIND_CARRY_OVER);
    const auto backup = CatalogueFor(KIND_BACKUP);
    g_nVariant = 0;
    ASSERT_EQ(carry.size(), 13u + 59 + 1 + 4);
    EXPECT_EQ(carry[73].text, "ZELSTDB0.DAT");
    EXPECT_EQ(carry[76].text, "ZELSLCB0.DAT");
    EXPECT_EQ(backup[34].text, "ZELSTDB0.DAT");
    EXPECT_EQ(backup[38].text, "*.ZEL");
}

TEST(CatalogueTest, NewCreationAndOtherKindsCarryNothingBeyondTheBaseFile) {
    for (int kind : {int{KIND_NEW}, 3, -1}) {
        EXPECT_TRUE(CatalogueFor(kind).empty()) << kind;
    }
}

TEST(CatalogueTest, NoEntryMatchesTheNameOfATemporaryFile) {
    g_nVariant = 2;
    for (int kind : {KIND_CARRY_OVER, KIND_BACKUP}) {
        for (const CatalogueEntry& entry : CatalogueFor(kind)) {
            EXPECT_FALSE(MatchesPattern(entry.text, ".~fileutility-a1B2c3.tmp")) << entry.text;
        }
    }
    g_nVariant = 0;
}

}  // namespace
