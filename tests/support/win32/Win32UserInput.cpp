// The user's actions on Windows: the messages that the mouse, the keyboard
// (through the dialog manager) and the clipboard send a dialog's controls.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32DialogWindow.h"
#include "tests/support/UserInput.h"
#include "widetext/WideText.h"

namespace {

HWND ItemOf(const CDialog& dialog, int id) {
    return ::GetDlgItem(WindowOf(&dialog), id);
}

// A key pressed with the focus on focus, as the message loop hands it to
// the dialog manager.
void PressKey(HWND dialog, HWND focus, WPARAM key) {
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    ::IsDialogMessageW(dialog, &message);
}

void PutOnClipboard(HWND owner, const std::wstring& text) {
    if (!::OpenClipboard(owner)) {
        return;
    }
    ::EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size); memory != nullptr) {
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
        ::GlobalUnlock(memory);
        ::SetClipboardData(CF_UNICODETEXT, memory);
    }
    ::CloseClipboard();
}

std::vector<HWND> DialogsOfThisThread() {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            if (DialogOf(window) != nullptr) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// What the timer of WithModalDialog looks for: a dialog of ours that was not
// there before the trigger ran.
struct ModalWatch {
    std::vector<HWND> before;
    const std::function<void(CDialog&)>* inspect;
    bool opened = false;
};
ModalWatch* g_watch = nullptr;

void CALLBACK LookForModalDialog(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                 DWORD /*time*/) {
    for (HWND window : DialogsOfThisThread()) {
        if (std::find(g_watch->before.begin(), g_watch->before.end(), window) !=
                g_watch->before.end() ||
            !::IsWindowVisible(window)) {
            continue;
        }
        ::KillTimer(nullptr, timer);
        g_watch->opened = true;
        (*g_watch->inspect)(*DialogOf(window));
        PressKey(window, window, VK_ESCAPE);
        return;
    }
}

}  // namespace

void ClickItem(CDialog& dialog, int id) {
    // The mouse cannot click a disabled control.
    HWND item = ItemOf(dialog, id);
    if (item != nullptr && ::IsWindowEnabled(item)) {
        ::SendMessageW(item, BM_CLICK, 0, 0);
    }
}

void TypeText(CDialog& dialog, int id, std::string_view text) {
    HWND item = ItemOf(dialog, id);
    if (item == nullptr) {
        return;
    }
    const LRESULT end = ::GetWindowTextLengthW(item);
    ::SendMessageW(item, EM_SETSEL, static_cast<WPARAM>(end), end);
    for (const wchar_t unit : Widen(text)) {
        ::SendMessageW(item, WM_CHAR, unit, 1);
    }
}

void PasteText(CDialog& dialog, int id, std::string_view text) {
    HWND item = ItemOf(dialog, id);
    if (item == nullptr) {
        return;
    }
    ::SendMessageW(item, EM_SETSEL, 0, -1);
    PutOnClipboard(item, Widen(text));
    ::SendMessageW(item, WM_PASTE, 0, 0);
}

void PressEnter(CDialog& dialog, int id) {
    HWND item = ItemOf(dialog, id);
    ::SendMessageW(WindowOf(&dialog), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    PressKey(WindowOf(&dialog), item, VK_RETURN);
}

void PressEscape(CDialog& dialog) {
    HWND window = WindowOf(&dialog);
    HWND focus = ::GetFocus();
    PressKey(window, ::IsChild(window, focus) ? focus : window, VK_ESCAPE);
}

int FocusedItem(const CDialog& dialog) {
    HWND focus = ::GetFocus();
    return focus != nullptr && ::IsChild(WindowOf(&dialog), focus) ? ::GetDlgCtrlID(focus) : 0;
}

std::string SelectedText(const CDialog& dialog, int id) {
    const std::wstring text = Widen(dialog.GetDlgItemText(id));
    DWORD first = 0;
    DWORD last = 0;
    ::SendMessageW(::GetDlgItem(WindowOf(&dialog), id), EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                   reinterpret_cast<LPARAM>(&last));
    return Narrow(std::wstring_view(text).substr(first, last - first));
}

bool WaitCursorShown() {
    return ::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT);
}

void LetEventsRun(std::chrono::milliseconds duration) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    while (::GetTickCount64() < end) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    }
}

bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(CDialog&)>& inspect) {
    ModalWatch watch{DialogsOfThisThread(), &inspect};
    g_watch = &watch;
    constexpr UINT kLookEveryMs = 20;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kLookEveryMs, LookForModalDialog);
    trigger();
    ::KillTimer(nullptr, timer);
    g_watch = nullptr;
    return watch.opened;
}
