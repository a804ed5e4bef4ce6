#include "platform/win32/ByteLimitEdit.h"
// (its Win32Api.h comes before the other Windows headers)
#include <commctrl.h>

#include <string>

#include "widetext/WideText.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x42;  // ours among the edit's subclasses
// The edit's limit, kept where a later call finds it.
constexpr const wchar_t* kLimitProperty = L"FileUtility.ByteLimit";

struct ByteLimit {
    int maxBytes;
    TextEncoding encoding;
    wchar_t pendingHighSurrogate = 0;  // the first half of a typed pair
};

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// True when the edit's text with its selection replaced by inserted fits the
// limit, or when the text does not fit now (the program set it past the
// limit): the user may then change it freely until it fits, as on Linux.
bool MayInsert(HWND edit, const ByteLimit& limit, std::wstring_view inserted) {
    if (limit.maxBytes <= 0) {
        return true;
    }
    const auto maxBytes = static_cast<std::size_t>(limit.maxBytes);
    const std::wstring before = WindowText(edit);
    if (EncodedLength(Narrow(before), limit.encoding) > maxBytes) {
        return true;
    }
    DWORD first = 0;
    DWORD last = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                   reinterpret_cast<LPARAM>(&last));
    std::wstring after = before;
    after.replace(first, last - first, inserted);
    return EncodedLength(Narrow(after), limit.encoding) <= maxBytes;
}

// A single-line edit pastes the clipboard's text up to its first line end.
std::wstring ClipboardLine(HWND edit) {
    std::wstring text;
    if (!::OpenClipboard(edit)) {
        return text;
    }
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = units;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text.substr(0, text.find_first_of(L"\r\n"));
}

// Pastes the clipboard's first line if it fits. The edit's own paste may cut
// the text elsewhere (Wine's at the first LF only, so a lone CR went in
// whole): the line measured is the line pasted.
LRESULT OnPaste(HWND edit, const ByteLimit& limit) {
    if ((::GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0) {
        return 0;
    }
    const std::wstring line = ClipboardLine(edit);
    if (MayInsert(edit, limit, line)) {
        ::DefSubclassProc(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    }
    return 0;
}

// Typed characters below U+0020 are the edit's commands (Backspace, Ctrl+C,
// Ctrl+V as WM_PASTE), never text.
LRESULT OnCharacter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, ByteLimit& limit) {
    const auto unit = static_cast<wchar_t>(wParam);
    if (unit < L' ') {
        return ::DefSubclassProc(edit, message, wParam, lParam);
    }
    if (IS_HIGH_SURROGATE(unit)) {
        limit.pendingHighSurrogate = unit;
        return 0;
    }
    std::wstring inserted(1, unit);
    const wchar_t high = limit.pendingHighSurrogate;
    limit.pendingHighSurrogate = 0;
    if (high != 0 && IS_LOW_SURROGATE(unit)) {
        inserted.insert(inserted.begin(), high);
    }
    if (!MayInsert(edit, limit, inserted)) {
        return 0;
    }
    if (inserted.size() == 2) {
        ::DefSubclassProc(edit, message, high, lParam);
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK LimitedEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR data) {
    auto& limit = *reinterpret_cast<ByteLimit*>(data);
    switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR:
            return OnCharacter(edit, message, wParam, lParam, limit);
        case WM_PASTE:
            return OnPaste(edit, limit);
        case EM_REPLACESEL:
            if (lParam != 0 && !MayInsert(edit, limit, reinterpret_cast<const wchar_t*>(lParam))) {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            ::RemovePropW(edit, kLimitProperty);
            ::RemoveWindowSubclass(edit, LimitedEditProc, kSubclassId);
            delete &limit;
            break;
        default:
            break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool LimitEditBytes(HWND edit, int maxBytes, TextEncoding encoding) {
    if (auto* limit = static_cast<ByteLimit*>(::GetPropW(edit, kLimitProperty))) {
        limit->maxBytes = maxBytes;
        limit->encoding = encoding;
        return true;
    }
    if (maxBytes <= 0) {
        return true;
    }
    auto* limit = new ByteLimit{maxBytes, encoding};
    if (!::SetWindowSubclass(edit, LimitedEditProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(limit))) {
        delete limit;
        return false;
    }
    ::SetPropW(edit, kLimitProperty, limit);
    return true;
}
