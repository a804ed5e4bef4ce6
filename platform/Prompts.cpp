#include "platform/Prompts.h"

#include "platform/QtPrompts.h"

namespace {

Prompts* g_installed = nullptr;

}  // namespace

void InstallPrompts(Prompts* prompts) {
    g_installed = prompts;
}

Prompts& ActivePrompts() {
    static QtPrompts qtPrompts;
    return g_installed != nullptr ? *g_installed : qtPrompts;
}

MessageAnswer ShowMessageBox(QWidget* owner, const QString& caption, const QString& text,
                             MessageIcon icon, MessageButtons buttons) {
    return ActivePrompts().ShowMessage(owner, caption, text, icon, buttons);
}
