#include "platform/win32/Win32Prompts.h"

#include <shlobj.h>

#include "platform/win32/Win32DialogWindow.h"
#include "widetext/WideText.h"

namespace {

// The shell and COM, loaded when the folder browser first opens rather than
// at start-up: most runs never browse, and loading them costs start-up time.
struct Shell {
    decltype(&::SHBrowseForFolderW) browse = nullptr;
    decltype(&::SHGetPathFromIDListW) pathOf = nullptr;
    decltype(&::CoTaskMemFree) free = nullptr;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
               : nullptr;
}

const Shell& ShellOnce() {
    static const Shell shell = [] {
        const HMODULE com = ::LoadLibraryW(L"ole32.dll");
        const HMODULE shell32 = ::LoadLibraryW(L"shell32.dll");
        // The browser's new-folder button needs OLE in this thread's
        // single-threaded apartment; it stays until the program ends.
        const auto start = Find<HRESULT(WINAPI*)(LPVOID)>(com, "OleInitialize");
        Shell found;
        if (start != nullptr && SUCCEEDED(start(nullptr))) {
            found.browse = Find<decltype(found.browse)>(shell32, "SHBrowseForFolderW");
            found.pathOf = Find<decltype(found.pathOf)>(shell32, "SHGetPathFromIDListW");
            found.free = Find<decltype(found.free)>(com, "CoTaskMemFree");
        }
        if (found.pathOf == nullptr || found.free == nullptr) {
            found.browse = nullptr;
        }
        return found;
    }();
    return shell;
}

class Win32Prompts final : public Prompts {
  public:
    MessageAnswer ShowMessage(const CDialog* owner, const std::string& caption,
                              const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        const int answer = ::MessageBoxW(WindowOf(owner), Widen(text).c_str(),
                                         Widen(caption).c_str(), MessageBoxType(icon, buttons));
        if (buttons == MessageButtons::kOk) {
            return MessageAnswer::kOk;
        }
        return answer == IDYES ? MessageAnswer::kYes : MessageAnswer::kNo;
    }

    // The browser starts at the desktop, offers folders of the file system
    // only and has its button for a new folder.
    BrowseResult BrowseFolder(const CDialog* owner, const std::string& prompt,
                              std::string& path) override {
        const std::wstring title = Widen(prompt);
        wchar_t displayName[MAX_PATH] = {};
        BROWSEINFOW browse{};
        browse.hwndOwner = WindowOf(owner);
        browse.pszDisplayName = displayName;
        browse.lpszTitle = title.c_str();
        browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        const Shell& shell = ShellOnce();
        if (shell.browse == nullptr) {
            return BrowseResult::kCancelled;
        }
        PIDLIST_ABSOLUTE item = shell.browse(&browse);
        if (item == nullptr) {
            return BrowseResult::kCancelled;
        }
        wchar_t chosen[MAX_PATH] = {};
        path = shell.pathOf(item, chosen) ? Narrow(chosen) : std::string();
        shell.free(item);
        return BrowseResult::kChosen;
    }
};

UINT IconFlag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation:
            return MB_ICONINFORMATION;
        case MessageIcon::kQuestion:
            return MB_ICONQUESTION;
        case MessageIcon::kWarning:
            return MB_ICONWARNING;
    }
    return 0;
}

}  // namespace

UINT MessageBoxType(MessageIcon icon, MessageButtons buttons) {
    const UINT buttonFlags = buttons == MessageButtons::kYesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    return IconFlag(icon) | buttonFlags;
}

Prompts& SystemPrompts() {
    static Win32Prompts prompts;
    return prompts;
}
