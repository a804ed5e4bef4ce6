#include "Cp932Title.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* utf8;
    const char* cp932;
};

TEST(Utf8ToCp932, ConvertsWhatCp932Holds) {
    const Conversion rows[] = {
        {"", ""},
        {"R8 Class-1", "R8 Class-1"},
        {"令和８年度", "\x97\xDF\x98\x61\x82\x57\x94\x4E\x93\x78"},
        {"みどり台", "\x82\xDD\x82\xC7\x82\xE8\x91\xE4"},
        {"ぁん", "\x82\x9F\x82\xF1"},
        // Katakana skip the trail byte 0x7F between ミ and ム.
        {"ァミムヶ", "\x83\x40\x83\x7E\x83\x80\x83\x96"},
        {"ー・　", "\x81\x5B\x81\x45\x81\x40"},
        {"０９ＡＺａｚ", "\x82\x4F\x82\x58\x82\x60\x82\x79\x82\x81\x82\x9A"},
        {"第一中学校", "\x91\xE6\x88\xEA\x92\x86\x8A\x77\x8D\x5A"},
        {"東高等部", "\x93\x8C\x8D\x82\x93\x99\x95\x94"},
        {"新規表", "\x90\x56\x8B\x4B\x95\x5C"},
        // An NEC special character, the full-width tilde, an IBM extension
        // kanji and a half-width katakana (one byte).
        {"①～髙ｱ", "\x87\x40\x81\x60\xFB\xFC\xB1"},
    };
    for (const Conversion& row : rows) {
        std::string out = "old";
        std::string error;
        EXPECT_EQ(Utf8ToCp932(row.utf8, out, &error), 1) << row.utf8 << ": " << error;
        EXPECT_EQ(out, row.cp932) << row.utf8;
    }
}

TEST(Utf8ToCp932, RefusesWhatItCannotEncodeAndKeepsTheOutput) {
    const char* rows[] = {
        "한",                // a character CP932 lacks
        "tab\there",         // a control character
        "\xE4\xBB",          // cut-off sequence
        "\xC0\xAF",          // overlong encoding of '/'
        "\xED\xA0\x80",      // a surrogate
        "\xFF",              // no UTF-8 lead byte
        "\xF0\x9F\x8F\xAB",  // outside the BMP
    };
    for (const char* row : rows) {
        std::string out = "old";
        std::string error;
        EXPECT_EQ(Utf8ToCp932(row, out, &error), 0) << row;
        EXPECT_EQ(out, "old") << row;
        EXPECT_FALSE(error.empty()) << row;
    }
}

}  // namespace
