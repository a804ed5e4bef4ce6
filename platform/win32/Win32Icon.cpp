#include "platform/win32/Win32Icon.h"

#include <map>

namespace {

HICON LoadIconOfSize(int id, int metricX, int metricY) {
    // Shared icons live as long as the program, as LoadAppIcon promises.
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                           IMAGE_ICON, ::GetSystemMetrics(metricX),
                                           ::GetSystemMetrics(metricY), LR_SHARED));
}

}  // namespace

const AppIcon* LoadAppIcon(const IconTemplate& icon) {
    static std::map<int, AppIcon> loaded;
    const int id = icon.id;
    auto found = loaded.find(id);
    if (found == loaded.end()) {
        const AppIcon sizes{LoadIconOfSize(id, SM_CXICON, SM_CYICON),
                            LoadIconOfSize(id, SM_CXSMICON, SM_CYSMICON)};
        found = loaded.emplace(id, sizes).first;
    }
    return found->second.large != nullptr ? &found->second : nullptr;
}
