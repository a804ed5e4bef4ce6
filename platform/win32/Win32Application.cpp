// The application on Windows: the common controls for the dialogs, and COM
// in a single-threaded apartment, which the shell's folder browser with its
// new-folder button needs.
#include "platform/Application.h"

#include "platform/win32/Win32Api.h"

#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "widetext/WideText.h"

struct ApplicationScope::State {
    bool comStarted;
};

ApplicationScope::ApplicationScope(int& /*argc*/, char** /*argv*/, const char* /*version*/) {
    // The program file's version record carries the version on Windows.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_state = std::make_unique<State>(State{SUCCEEDED(::OleInitialize(nullptr))});
}

ApplicationScope::~ApplicationScope() {
    if (m_state->comStarted) {
        ::OleUninitialize();
    }
}

std::string ApplicationName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    if (const std::size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos) {
        name.resize(dot);
    }
    return Narrow(name);
}
