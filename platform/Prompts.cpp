#include "platform/Prompts.h"

namespace {

Prompts* g_installed = nullptr;

}  // namespace

void InstallPrompts(Prompts* prompts) {
    g_installed = prompts;
}

Prompts& ActivePrompts() {
    return g_installed != nullptr ? *g_installed : SystemPrompts();
}

MessageAnswer ShowMessageBox(const CDialog* owner, const std::string& caption,
                             const std::string& text, MessageIcon icon, MessageButtons buttons) {
    return ActivePrompts().ShowMessage(owner, caption, text, icon, buttons);
}
