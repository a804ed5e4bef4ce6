// Code page 932 as each platform's converter has it (ICU's windows-31j on
// Linux, the system's table on Windows): the vendor characters of the
// family's files come out as the same bytes on both, and bytes that are no
// character as U+FFFD.
#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage932.h"

namespace {

// What stands for a character code page 932 cannot hold: "?" for each of
// its UTF-16 units.
const std::string kSubstitute = "?";
const std::string kSubstituteBeyondBmp = "??";

TEST(CodePage932, VendorCharactersTakeTheSameBytesOnBothPlatforms) {
    const struct {
        const char* text;
        std::string bytes;
        bool complete;
    } rows[] = {
        {"①Ⅰ㈱№∑", "\x87\x40\x87\x54\x87\x8A\x87\x82\x87\x94", true},  // NEC row 13
        {"ⅰ纊髙", "\xFA\x40\xFA\x5C\xFB\xFC", true},  // IBM extensions, not their NEC copies
        {"≒∵", "\x81\xE0\x81\xE6", true},             // JIS forms, not NEC row 13's
        {"ｱ～∥－￢―＼\\~", "\xB1\x81\x60\x81\x61\x81\x7C\x81\xCA\x81\x5C\x81\x5F\\~", true},
        // Variant forms are TextEncoding's to map; code page 932 has none.
        {"〜", kSubstitute, false},
        {"¥", kSubstitute, false},
        {"é", kSubstitute, false},
        {"𠮷", kSubstituteBeyondBmp, false},
    };
    for (const auto& row : rows) {
        bool complete = !row.complete;
        EXPECT_EQ(ToCodePage932(row.text, complete), row.bytes) << row.text;
        EXPECT_EQ(complete, row.complete) << row.text;
    }
}

TEST(CodePage932, BytesThatAreNoCharacterComeOutAsReplacements) {
    const struct {
        std::string bytes;
        const char* text;
    } rows[] = {
        {"\x87\x40\xED\x40\xEE\xEF\xEE\xE0\xFA\x54", "①纊ⅰ髙￢"},  // NEC-selected copies too
        {"\xF0\x40", "\uE000"},                                    // user-defined area
        {"\x80\xA0\xFD\xFE\xFF", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"ab\x82", "ab\uFFFD"},  // a lead byte at the end
        {"\x82 ", "\uFFFD "},    // a lead byte before a byte that cannot follow it
#ifdef _WIN32
        {"\x85\x40", "\uFFFD@"},  // an unassigned pair: the lead byte alone
#else
        {"\x85\x40", "\uFFFD"},  // an unassigned pair: ICU replaces both bytes at once
#endif
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FromCodePage932(row.bytes), row.text) << row.text;
    }
}

}  // namespace
