#include "platform/qt/QtPrompts.h"

#include <QMessageBox>

#include "platform/qt/FolderBrowser.h"
#include "platform/qt/QtDialogWindow.h"
#include "platform/qt/QtText.h"

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kQuestion:
            return QMessageBox::Question;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QWidget* OwnerWidget(const CDialog* owner) {
    return owner != nullptr ? &QtWindowOf(*owner) : nullptr;
}

}  // namespace

MessageAnswer QtPrompts::ShowMessage(const CDialog* owner, const std::string& caption,
                                     const std::string& text, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                    OwnerWidget(owner));
    if (buttons == MessageButtons::kOk) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::kOk;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

BrowseResult QtPrompts::BrowseFolder(const CDialog* owner, const std::string& prompt,
                                     std::string& path) {
    FolderBrowser browser(OwnerWidget(owner), ToQString(prompt));
    if (browser.exec() != QDialog::Accepted) {
        return BrowseResult::kCancelled;
    }
    path = browser.SelectedPath();
    return BrowseResult::kChosen;
}

Prompts& SystemPrompts() {
    static QtPrompts prompts;
    return prompts;
}
