#include "Cp932Title.h"

#include "SampleError.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

struct KanjiCode {
    char32_t codePoint;
    std::uint16_t cp932;
};

// Sorted by code point for the binary search below.
constexpr std::array<KanjiCode, 54> kKanji = {{
    {0x4E00, 0x88EA},  // 一
    {0x4E03, 0x8EB5},  // 七
    {0x4E09, 0x8E4F},  // 三
    {0x4E18, 0x8B75},  // 丘
    {0x4E2D, 0x9286},  // 中
    {0x4E5D, 0x8BE3},  // 九
    {0x4E8C, 0x93F1},  // 二
    {0x4E94, 0x8CDC},  // 五
    {0x4EE4, 0x97DF},  // 令
    {0x516B, 0x94AA},  // 八
    {0x516D, 0x985A},  // 六
    {0x5206, 0x95AA},  // 分
    {0x52D9, 0x96B1},  // 務
    {0x5317, 0x966B},  // 北
    {0x533A, 0x8BE6},  // 区
    {0x5341, 0x8F5C},  // 十
    {0x5357, 0x93EC},  // 南
    {0x53F0, 0x91E4},  // 台
    {0x548C, 0x9861},  // 和
    {0x56DB, 0x8E6C},  // 四
    {0x5712, 0x8980},  // 園
    {0x5927, 0x91E5},  // 大
    {0x5B66, 0x8A77},  // 学
    {0x5C0F, 0x8FAC},  // 小
    {0x5C5E, 0x91AE},  // 属
    {0x5C71, 0x8E52},  // 山
    {0x5DDD, 0x90EC},  // 川
    {0x5E02, 0x8E73},  // 市
    {0x5E73, 0x95BD},  // 平
    {0x5E74, 0x944E},  // 年
    {0x5E9C, 0x957B},  // 府
    {0x5EA6, 0x9378},  // 度
    {0x6210, 0x90AC},  // 成
    {0x6559, 0x8BB3},  // 教
    {0x6751, 0x91BA},  // 村
    {0x6771, 0x938C},  // 東
    {0x6821, 0x8D5A},  // 校
    {0x685C, 0x8DF7},  // 桜
    {0x7530, 0x9363},  // 田
    {0x753A, 0x92AC},  // 町
    {0x770C, 0x8CA7},  // 県
    {0x79C1, 0x8E84},  // 私
    {0x7ACB, 0x97A7},  // 立
    {0x7B2C, 0x91E6},  // 第
    {0x7B49, 0x9399},  // 等
    {0x7D44, 0x9167},  // 組
    {0x7FA9, 0x8B60},  // 義
    {0x80B2, 0x88E7},  // 育
    {0x897F, 0x90BC},  // 西
    {0x9053, 0x93B9},  // 道
    {0x90E8, 0x9594},  // 部
    {0x90FD, 0x9373},  // 都
    {0x9644, 0x958D},  // 附
    {0x9AD8, 0x8D82},  // 高
}};

// Decodes one UTF-8 sequence at the front of text and drops it from text.
// Returns nothing for a malformed, overlong or surrogate sequence.
std::optional<char32_t> TakeCodePoint(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        length = 1;
        value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return value;
}

// Returns the two-byte code of a known full-width character, 0 when unknown.
std::uint16_t DoubleByteCode(char32_t c) {
    if (c >= 0x3041 && c <= 0x3093) {  // hiragana, one run in CP932
        return static_cast<std::uint16_t>(0x829F + (c - 0x3041));
    }
    if (c >= 0x30A1 && c <= 0x30F6) {  // katakana, whose run skips the byte 0x7F
        const auto trail = static_cast<std::uint16_t>(0x40 + (c - 0x30A1));
        return static_cast<std::uint16_t>(0x8300 + trail + (trail >= 0x7F ? 1 : 0));
    }
    if (c >= 0xFF10 && c <= 0xFF19) {  // ０ to ９
        return static_cast<std::uint16_t>(0x824F + (c - 0xFF10));
    }
    if (c >= 0xFF21 && c <= 0xFF3A) {  // Ａ to Ｚ
        return static_cast<std::uint16_t>(0x8260 + (c - 0xFF21));
    }
    if (c >= 0xFF41 && c <= 0xFF5A) {  // ａ to ｚ
        return static_cast<std::uint16_t>(0x8281 + (c - 0xFF41));
    }
    switch (c) {
        case 0x3000:  // ideographic space
            return 0x8140;
        case 0x30FB:  // ・
            return 0x8145;
        case 0x30FC:  // ー
            return 0x815B;
        default:
            break;
    }
    const auto* found = std::lower_bound(
        kKanji.begin(), kKanji.end(), c,
        [](const KanjiCode& entry, char32_t key) { return entry.codePoint < key; });
    return found != kKanji.end() && found->codePoint == c ? found->cp932 : 0;
}

std::string CodePointText(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

}  // namespace

int Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string* error) {
    std::string out;
    while (!utf8.empty()) {
        const std::optional<char32_t> c = TakeCodePoint(utf8);
        if (!c) {
            return FailWith(error, "the title is not valid UTF-8");
        }
        if (*c >= 0x20 && *c <= 0x7E) {
            out.push_back(static_cast<char>(*c));
            continue;
        }
        const std::uint16_t code = DoubleByteCode(*c);
        if (code == 0) {
            return FailWith(error, "the title holds a character the generator cannot encode: " +
                                       CodePointText(*c));
        }
        out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    }
    cp932 = std::move(out);
    return 1;
}
