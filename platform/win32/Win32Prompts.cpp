#include "platform/win32/Win32Prompts.h"

#include <shlobj.h>

#include "platform/win32/Win32DialogWindow.h"
#include "widetext/WideText.h"

namespace {

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
        PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&browse);
        if (item == nullptr) {
            return BrowseResult::kCancelled;
        }
        wchar_t chosen[MAX_PATH] = {};
        path = ::SHGetPathFromIDListW(item, chosen) ? Narrow(chosen) : std::string();
        ::CoTaskMemFree(item);
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
