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

std::string TooManyCharacters(int maxBytes) {
    const std::string limit = std::to_string(maxBytes);
    return "入力できる文字数を超えています。\n" + limit + "バイト（半角" + limit +
           "文字）以内にしてください。";
}

bool Confirm(const CDialog* owner, const std::string& text) {
    return ShowMessageBox(owner, kCaption, text, MessageIcon::kQuestion, MessageButtons::kYesNo) ==
           MessageAnswer::kYes;
}
