// The prompts a running program shows (no script): message boxes whose
// buttons speak Japanese whatever the locale.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>

#include "DialogDriver.h"
#include "platform/QtPrompts.h"

namespace {

// The texts of the buttons of the message box shown for buttons.
QStringList ButtonTexts(MessageButtons buttons) {
    QStringList texts;
    WithModalDialog(
        [buttons] {
            QtPrompts().ShowMessage(nullptr, QStringLiteral("ファイルユーティリティ"),
                                    QStringLiteral("実行しますか？"), MessageIcon::kQuestion,
                                    buttons);
        },
        [&texts](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                for (QAbstractButton* button : box->buttons()) {
                    texts << button->text();
                }
            }
        });
    texts.sort();
    return texts;
}

TEST(QtPrompts, MessageBoxButtonsAreJapanese) {
    EXPECT_EQ(ButtonTexts(MessageButtons::kYesNo),
              (QStringList{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")}));
    EXPECT_EQ(ButtonTexts(MessageButtons::kOk), QStringList{QStringLiteral("OK")});
}

}  // namespace
