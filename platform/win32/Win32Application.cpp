// The application on Windows: the common controls for the dialogs. COM, which
// the folder browser needs, starts when the browser first opens.
#include "platform/Application.h"

#include "platform/win32/Win32Api.h"

#include <commctrl.h>

#include <string>

#include "widetext/WideText.h"

struct ApplicationScope::State {};

ApplicationScope::ApplicationScope(int& /*argc*/, char** /*argv*/, const char* /*version*/) {
    // The program file's version record carries the version on Windows.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_state = std::make_unique<State>();
}

ApplicationScope::~ApplicationScope() = default;

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
