// Code page 932 on Windows: the system's own table, without best-fit
// substitutes, so that what the family's files cannot hold is refused
// rather than silently turned into a look-alike.
#include "platform/CodePage932.h"
#include "platform/win32/Win32Api.h"
#include "widetext/WideText.h"

namespace {

constexpr UINT kCodePage932 = 932;

// The character that bytes (one or two) make, or nothing when they make
// none. Of the single bytes past ASCII only the half-width katakana are
// characters: Windows' table gives 0x80, 0xA0 and 0xFD to 0xFF control and
// private-use code points only to carry them through unchanged.
std::wstring DecodeCharacter(std::string_view bytes) {
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 1 && first >= 0x80 && (first < 0xA1 || first > 0xDF)) {
        return {};
    }
    wchar_t units[2] = {};
    const int count = ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), units, 2);
    return std::wstring(units, static_cast<std::size_t>(count > 0 ? count : 0));
}

}  // namespace

std::string ToCodePage932(std::string_view utf8, bool& complete) {
    complete = true;
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int size = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                           nullptr, 0, "?", &usedDefault);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(),
                          size, "?", &usedDefault);
    complete = usedDefault == FALSE;
    return bytes;
}

std::string FromCodePage932(std::string_view bytes) {
    std::wstring wide;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<BYTE>(bytes[at]);
        const std::size_t width = ::IsDBCSLeadByteEx(kCodePage932, lead) ? 2 : 1;
        std::wstring character =
            at + width <= bytes.size() ? DecodeCharacter(bytes.substr(at, width)) : L"";
        if (character.empty()) {
            // Not a character: this byte alone stands for U+FFFD, and the
            // next byte starts afresh.
            wide += L'\uFFFD';
            ++at;
            continue;
        }
        wide += character;
        at += width;
    }
    return Narrow(wide);
}
