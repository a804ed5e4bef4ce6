#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Catalogue.h"
#include "engine/FileName.h"

namespace {

// The names and patterns of the catalogue, each written out as the product
// spells it (not made by the loops that build the catalogue, so that a slip
// in those shows here). A pattern is marked "by pattern: ".
const std::vector<std::string> kMasters = {
    "ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT", "ZELTEAB0.DAT", "ZELROMB0.DAT",
    "ZELGRAB0.DAT", "ZELSBJB0.DAT", "ZELMEEB0.DAT", "ZELATRB0.DAT", "ZELATRB2.DAT",
    "ZELRULB0.DAT", "ZELEVTB0.DAT", "ZELLESB0.DAT"};

const std::vector<std::string> kCarriedSheets = {
    "ZELPRN1-000.DAT",  "ZELPRN1-001.DAT",  "ZELPRN1-002.DAT",  "ZELPRN1-003.DAT",
    "ZELPRN1-004.DAT",  "ZELPRN2-000.DAT",  "ZELPRN2-001.DAT",  "ZELPRN2-002.DAT",
    "ZELPRN3-000.DAT",  "ZELPRN3-001.DAT",  "ZELPRN3-002.DAT",  "ZELPRN3-003.DAT",
    "ZELPRN3-004.DAT",  "ZELPRN4-000.DAT",  "ZELPRN4-001.DAT",  "ZELPRN4-002.DAT",
    "ZELPRN5-000.DAT",  "ZELPRN5-001.DAT",  "ZELPRN5-002.DAT",  "ZELPRN5-003.DAT",
    "ZELPRN5-004.DAT",  "ZELPRN6-000.DAT",  "ZELPRN6-001.DAT",  "ZELPRN6-002.DAT",
    "ZELPRN7-000.DAT",  "ZELPRN7-001.DAT",  "ZELPRN7-002.DAT",  "ZELPRN7-003.DAT",
    "ZELPRN7-004.DAT",  "ZELPRN8-000.DAT",  "ZELPRN8-001.DAT",  "ZELPRN8-002.DAT",
    "ZELPRN9-000.DAT",  "ZELPRN9-001.DAT",  "ZELPRN9-002.DAT",  "ZELPRN10-000.DAT",
    "ZELPRN10-001.DAT", "ZELPRN10-002.DAT", "ZELPRN11-000.DAT", "ZELPRN11-001.DAT",
    "ZELPRN11-002.DAT", "ZELPRN12-000.DAT", "ZELPRN12-001.DAT", "ZELPRN12-002.DAT",
    "ZELPRN13-000.DAT", "ZELPRN13-001.DAT", "ZELPRN13-002.DAT", "ZELPRN14-000.DAT",
    "ZELPRN14-001.DAT", "ZELPRN14-002.DAT", "ZELPRN15-000.DAT", "ZELPRN15-001.DAT",
    "ZELPRN15-002.DAT", "ZELPRN16-000.DAT", "ZELPRN16-001.DAT", "ZELPRN16-002.DAT",
    "ZELPRN17-000.DAT", "ZELPRN17-001.DAT", "ZELPRN17-002.DAT"};

const std::vector<std::string> kBackupOnly = {"ZELPIEB0.DAT",
                                              "ZELSPEB0.DAT",
                                              "by pattern: ZELAFFB0.DAT",
                                              "by pattern: ZELPRN1-*.DAT",
                                              "by pattern: ZELPRN2-*.DAT",
                                              "by pattern: ZELPRN3-*.DAT",
                                              "by pattern: ZELPRN4-*.DAT",
                                              "by pattern: ZELPRN5-*.DAT",
                                              "by pattern: ZELPRN6-*.DAT",
                                              "by pattern: ZELPRN7-*.DAT",
                                              "by pattern: ZELPRN8-*.DAT",
                                              "by pattern: ZELPRN9-*.DAT",
                                              "by pattern: ZELPRN10-*.DAT",
                                              "by pattern: ZELPRN11-*.DAT",
                                              "by pattern: ZELPRN12-*.DAT",
                                              "by pattern: ZELPRN13-*.DAT",
                                              "by pattern: ZELPRN14-*.DAT",
                                              "by pattern: ZELPRN15-*.DAT",
                                              "by pattern: ZELPRN16-*.DAT",
                                              "by pattern: ZELPRN17-*.DAT"};

const std::string kSelectionFiles = "by pattern: ZELPRN-SEL-*.DAT";

const std::vector<std::string> kVariantGroup = {"ZELSTDB0.DAT", "ZELCRSB0.DAT", "ZELSLLB0.DAT",
                                                "ZELSLCB0.DAT"};

const std::vector<std::string> kBackupPatterns = {"by pattern: *.ZEL", "by pattern: *.ZE2",
                                                  "by pattern: *.SP?", "by pattern: *.SKN"};

std::vector<std::string> Joined(const std::vector<std::vector<std::string>>& groups) {
    std::vector<std::string> all;
    for (const auto& group : groups) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

// The catalogue of kind, written as the lists above.
std::vector<std::string> Listed(int kind) {
    std::vector<std::string> texts;
    for (const CatalogueEntry& entry : CatalogueFor(kind)) {
        texts.push_back((entry.byPattern ? "by pattern: " : "") + entry.text);
    }
    return texts;
}

TEST(CatalogueTest, CarryOverNamesMastersAndFiftyNineLayoutSheets) {
    EXPECT_EQ(Listed(KIND_CARRY_OVER), Joined({kMasters, kCarriedSheets, {kSelectionFiles}}));
}

TEST(CatalogueTest, BackupTakesEveryLayoutByPattern) {
    EXPECT_EQ(Listed(KIND_BACKUP),
              Joined({kMasters, kBackupOnly, {kSelectionFiles}, kBackupPatterns}));
}

TEST(CatalogueTest, VariantGroupFollowsTheSelectionFilesOnlyForVariantTwo) {
    g_nVariant = 2;
    const auto carry = Listed(KIND_CARRY_OVER);
    const auto backup = Listed(KIND_BACKUP);
    g_nVariant = 0;
    EXPECT_EQ(carry, Joined({kMasters, kCarriedSheets, {kSelectionFiles}, kVariantGroup}));
    EXPECT_EQ(backup,
              Joined({kMasters, kBackupOnly, {kSelectionFiles}, kVariantGroup, kBackupPatterns}));
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
