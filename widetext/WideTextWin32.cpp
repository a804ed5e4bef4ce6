#include "widetext/WideText.h"

#include <windows.h>

namespace {

// Converts with flags (0: lenient; MB_ERR_INVALID_CHARS or
// WC_ERR_INVALID_CHARS: refuse what does not convert).
std::optional<std::wstring> ToWide(std::string_view text, DWORD flags) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_UTF8, flags, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, flags, text.data(), length, wide.data(), size);
    return wide;
}

std::optional<std::string> ToUtf8(std::wstring_view wide, DWORD flags) {
    if (wide.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    const int size =
        ::WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace

std::optional<std::wstring> WidenExactly(std::string_view text) {
    return ToWide(text, MB_ERR_INVALID_CHARS);
}

std::optional<std::string> NarrowExactly(std::wstring_view wide) {
    return ToUtf8(wide, WC_ERR_INVALID_CHARS);
}

std::wstring Widen(std::string_view text) {
    return ToWide(text, 0).value_or(std::wstring());
}

std::string Narrow(std::wstring_view wide) {
    return ToUtf8(wide, 0).value_or(std::string());
}
