#include "engine/Catalogue.h"

#include <array>
#include <cstdio>
#include <string_view>

int g_nVariant = 0;

namespace {

constexpr int kVariantWithGroup = 2;

enum KindMask : unsigned { kCarryOver = 1u << KIND_CARRY_OVER, kBackup = 1u << KIND_BACKUP };

struct Row {
    std::string text;
    bool byPattern;
    unsigned kinds;
    bool variantGuarded = false;
};

constexpr std::array<std::string_view, 13> kMasterFiles = {
    "ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT", "ZELTEAB0.DAT", "ZELROMB0.DAT",
    "ZELGRAB0.DAT", "ZELSBJB0.DAT", "ZELMEEB0.DAT", "ZELATRB0.DAT", "ZELATRB2.DAT",
    "ZELRULB0.DAT", "ZELEVTB0.DAT", "ZELLESB0.DAT",
};

// Sheets of print layouts 1 to 17: the carry-over copies sheets 000 upward.
constexpr std::array<int, 17> kSheetsPerLayout = {5, 3, 5, 3, 5, 3, 5, 3, 3,
                                                  3, 3, 3, 3, 3, 3, 3, 3};

constexpr std::array<std::string_view, 4> kVariantFiles = {"ZELSTDB0.DAT", "ZELCRSB0.DAT",
                                                           "ZELSLLB0.DAT", "ZELSLCB0.DAT"};

constexpr std::array<std::string_view, 4> kBackupPatterns = {"*.ZEL", "*.ZE2", "*.SP?", "*.SKN"};

std::string SheetName(int layout, int sheet) {
    char name[32];
    std::snprintf(name, sizeof name, "ZELPRN%d-%03d.DAT", layout, sheet);
    return name;
}

std::string LayoutPattern(int layout) {
    return "ZELPRN" + std::to_string(layout) + "-*.DAT";
}

std::vector<Row> AllRows() {
    std::vector<Row> rows;
    rows.reserve(kMasterFiles.size());
    for (std::string_view name : kMasterFiles) {
        rows.push_back({std::string(name), false, kCarryOver | kBackup});
    }
    rows.push_back({"ZELPIEB0.DAT", false, kBackup});
    rows.push_back({"ZELSPEB0.DAT", false, kBackup});
    rows.push_back({"ZELAFFB0.DAT", true, kBackup});
    for (int layout = 1; layout <= static_cast<int>(kSheetsPerLayout.size()); ++layout) {
        for (int sheet = 0; sheet < kSheetsPerLayout[static_cast<std::size_t>(layout - 1)];
             ++sheet) {
            rows.push_back({SheetName(layout, sheet), false, kCarryOver});
        }
    }
    for (int layout = 1; layout <= static_cast<int>(kSheetsPerLayout.size()); ++layout) {
        rows.push_back({LayoutPattern(layout), true, kBackup});
    }
    rows.push_back({"ZELPRN-SEL-*.DAT", true, kCarryOver | kBackup});
    for (std::string_view name : kVariantFiles) {
        rows.push_back({std::string(name), false, kCarryOver | kBackup, true});
    }
    for (std::string_view pattern : kBackupPatterns) {
        rows.push_back({std::string(pattern), true, kBackup});
    }
    return rows;
}

}  // namespace

std::vector<CatalogueEntry> CatalogueFor(int kind) {
    std::vector<CatalogueEntry> entries;
    if (kind != KIND_CARRY_OVER && kind != KIND_BACKUP) {
        return entries;
    }
    static const std::vector<Row> rows = AllRows();
    const unsigned mask = 1u << kind;
    for (const Row& row : rows) {
        if ((row.kinds & mask) != 0 && (!row.variantGuarded || g_nVariant == kVariantWithGroup)) {
            entries.push_back({row.text, row.byPattern});
        }
    }
    return entries;
}
