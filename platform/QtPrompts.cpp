#include "platform/QtPrompts.h"

#include <QMessageBox>

#include "platform/FolderBrowser.h"

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

}  // namespace

MessageAnswer QtPrompts::ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                                     MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, owner);
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

int QtPrompts::BrowseFolder(QWidget* owner, const QString& prompt, std::string& path) {
    FolderBrowser browser(owner, prompt);
    if (browser.exec() != QDialog::Accepted) {
        return kBrowseCancelled;
    }
    path = browser.SelectedPath();
    return kBrowseChosen;
}
