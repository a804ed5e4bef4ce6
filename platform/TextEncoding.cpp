#include "platform/TextEncoding.h"

#include <algorithm>
#include <utility>

#include "platform/CodePage932.h"

namespace {

// U+FFFD, which stands for a byte that could not be decoded.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Characters that input methods and pasted text give in the form Unicode's
// Shift-JIS table uses, with the form code page 932 maps them from.
constexpr std::pair<std::string_view, std::string_view> kCodePage932Forms[] = {
    {"\u301C", "\uFF5E"},  // 〜 wave dash: 81 60
    {"\u2212", "\uFF0D"},  // − minus sign: 81 7C
    {"\u2016", "\u2225"},  // ‖ double vertical line: 81 61
    {"\u2014", "\u2015"},  // — em dash: 81 5C
    {"\u00A2", "\uFFE0"},  // ¢: 81 91
    {"\u00A3", "\uFFE1"},  // £: 81 92
    {"\u00AC", "\uFFE2"},  // ¬: 81 CA
};

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string InCodePage932Forms(std::string_view text) {
    std::string result(text);
    for (const auto& [given, held] : kCodePage932Forms) {
        result = ReplaceAll(std::move(result), given, held);
    }
    return result;
}

// The length of the UTF-8 sequence that lead starts: 1 to 4, 0 for a byte
// that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t length = SequenceLength(byte(0));
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    const unsigned second = byte(1 % length);
    if ((byte(0) == 0xE0 && second < 0xA0) || (byte(0) == 0xED && second > 0x9F) ||
        (byte(0) == 0xF0 && second < 0x90) || (byte(0) == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

bool IsUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

}  // namespace

std::size_t EncodedLength(std::string_view text, TextEncoding encoding) {
    if (encoding.form == TextEncoding::Form::kFolderText) {
        return encoding.countBytes(text);
    }
    std::string rest(text);
    const std::size_t before = rest.size();
    rest = ReplaceAll(std::move(rest), kReplacement, "");
    const std::size_t undecoded = (before - rest.size()) / kReplacement.size();
    bool complete = false;
    return ToCodePage932(InCodePage932Forms(rest), complete).size() + undecoded;
}

std::optional<std::string> EncodeTitle(std::string_view title) {
    bool complete = false;
    std::string bytes = ToCodePage932(InCodePage932Forms(title), complete);
    if (!complete) {
        return std::nullopt;
    }
    return bytes;
}

std::string FirstUnencodable(std::string_view title) {
    while (!title.empty()) {
        const std::size_t length = std::max<std::size_t>(CharacterLength(title), 1);
        const std::string_view character = title.substr(0, length);
        if (!EncodeTitle(character)) {
            return std::string(character);
        }
        title.remove_prefix(length);
    }
    return {};
}

std::string DecodeTitle(std::string_view title) {
    return FromCodePage932(title);
}

std::string DecodePath(std::string_view path) {
    return IsUtf8(path) ? std::string(path) : FromCodePage932(path);
}

std::optional<std::string> BytesOfText(std::string_view text, const std::string& held,
                                       TextEncoding encoding) {
    if (encoding.form == TextEncoding::Form::kShiftJis) {
        return text == DecodeTitle(held) ? std::optional<std::string>(held) : EncodeTitle(text);
    }
    return text == DecodePath(held) ? held : std::string(text);
}
