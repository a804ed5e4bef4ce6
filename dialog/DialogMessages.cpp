#include "dialog/DialogMessages.h"

#include "platform/Prompts.h"

namespace {

const std::string kCaption = "ファイルユーティリティ";

}  // namespace

void Notify(const CDialog* owner, const std::string& text) {
    ShowMessageBox(owner, kCaption, text, MessageIcon::kInformation, MessageButtons::kOk);
}

void Warn(const CDialog* owner, const std::string& text) {
    ShowMessageBox(owner, kCaption, text, MessageIcon::kWarning, MessageButtons::kOk);
}

bool Confirm(const CDialog* owner, const std::string& text) {
    return ShowMessageBox(owner, kCaption, text, MessageIcon::kQuestion, MessageButtons::kYesNo) ==
           MessageAnswer::kYes;
}
