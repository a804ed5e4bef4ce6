#include "dialog/DialogMessages.h"

namespace {

QString Caption() {
    return QStringLiteral("ファイルユーティリティ");
}

}  // namespace

void Notify(QWidget* owner, const QString& text) {
    ShowMessageBox(owner, Caption(), text, MessageIcon::kInformation, MessageButtons::kOk);
}

void Warn(QWidget* owner, const QString& text) {
    ShowMessageBox(owner, Caption(), text, MessageIcon::kWarning, MessageButtons::kOk);
}

bool Confirm(QWidget* owner, const QString& text) {
    return ShowMessageBox(owner, Caption(), text, MessageIcon::kQuestion, MessageButtons::kYesNo) ==
           MessageAnswer::kYes;
}
