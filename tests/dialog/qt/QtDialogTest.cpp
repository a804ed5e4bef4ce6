// What only the Qt program has: a kind button checked through Qt's
// accessibility, the context menu that stands in for the system menu, the
// About box's widgets and the accessible names of the main dialog's controls.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "dialog/AboutDlg.h"
#include "platform/qt/QtDialogWindow.h"
#include "res/Resource.h"

namespace {

class QtDialog : public testing::Test {
  protected:
    void SetUp() override {
        source = scratch.Path() + "/2019";
        MakeDataFolder(source);
    }

    ScratchFolder scratch;
    std::string source;
};

// A kind button checked without a click (a screen reader's toggle action, a
// program) is the kind: the next push must not snap the check back.
TEST_F(QtDialog, KindFollowsTheCheckedButtonHoweverItWasChecked) {
    const std::function<void(QAbstractButton*)> ways[] = {
        [](QAbstractButton* button) { button->setChecked(true); },
        [](QAbstractButton* button) {
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        },
    };
    DialogDriver driver(source + "/");
    for (const auto& check : ways) {
        for (const auto& row : kKindButtons) {
            check(qobject_cast<QAbstractButton*>(QtWindowOf(driver.Dialog()).Item(row.id)));
            driver.PickDestination(scratch.Child("out"));
            EXPECT_TRUE(driver.Dialog().IsDlgButtonChecked(row.id)) << row.id;
            EXPECT_EQ(driver.Dialog().m_nKind, row.kind) << row.id;
        }
    }
}

// Qt windows have no system menu of the program's own: a right click on the
// dialog's background opens the stand-in, whose item opens the About box.
TEST_F(QtDialog, TheSystemMenuIsTheContextMenuWithTheAboutItem) {
    DialogDriver driver(source + "/");
    QtDialogWindow& dialog = QtWindowOf(driver.Dialog());
    QMenu* shown = nullptr;
    bool aboutOpened = false;
    QTimer menuTimer;
    menuTimer.setSingleShot(true);
    QObject::connect(&menuTimer, &QTimer::timeout, [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (shown == nullptr) {
            return;
        }
        QAction* item = nullptr;
        for (QAction* action : shown->actions()) {
            if (action->text() == QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)...")) {
                item = action;
            }
        }
        shown->close();
        ASSERT_NE(item, nullptr);
        WithModalDialog(
            [&] { item->trigger(); },
            [&](CDialog& modal) { aboutOpened = dynamic_cast<CAboutDlg*>(&modal) != nullptr; });
    });
    menuTimer.start(0);
    const QPoint background(2, 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, dialog.mapToGlobal(background));
    QApplication::sendEvent(&dialog, &click);

    ASSERT_EQ(shown, &dialog.SystemMenu());
    ASSERT_EQ(dialog.SystemMenu().actions().size(), 2);
    EXPECT_TRUE(dialog.SystemMenu().actions()[0]->isSeparator());
    EXPECT_TRUE(aboutOpened);
}

TEST_F(QtDialog, AboutBoxShowsNameVersionNoticeAndIcon) {
    CAboutDlg dialog;
    QtDialogWindow& about = QtWindowOf(dialog);
    QStringList texts;
    QImage icon;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        icon = label->pixmap().isNull() ? icon : label->pixmap().toImage();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("ファイルユーティリティ Ver.2019")));
    // At 100 % the 32-pixel image as it stands, not a larger one scaled down
    // to the control.
    const QImage image32(QStringLiteral(":/icons/32x32/fileutility.png"));
    ASSERT_FALSE(image32.isNull());
    EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
              image32.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(texts.size(), 3) << "icon, name and notice";

    auto* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
}

TEST_F(QtDialog, EveryControlHasAnAccessibleName) {
    DialogDriver driver(source + "/");
    const struct {
        int id;
        const char* name;
    } edits[] = {
        {IDC_EDIT_SRC_TITLE, "コピー元 タイトル"},
        {IDC_EDIT_SRC_DIR, "コピー元 ﾃﾞｨﾚｸﾄﾘ"},
        {IDC_EDIT_DST_TITLE, "コピー先 タイトル"},
        {IDC_EDIT_DST_DIR, "コピー先 ﾃﾞｨﾚｸﾄﾘ"},
        {IDC_EDIT_NEWDIR, "コピー先 新規ﾃﾞｨﾚｸﾄﾘ"},
        {IDC_BUTTON_SRC_BROWSE, "コピー元 ﾃﾞｨﾚｸﾄﾘ参照"},
        {IDC_BUTTON_DST_BROWSE, "コピー先 ﾃﾞｨﾚｸﾄﾘ参照"},
        {IDOK, "実行"},
    };
    for (const auto& row : edits) {
        EXPECT_EQ(QtWindowOf(driver.Dialog()).Item(row.id)->accessibleName(),
                  QString::fromUtf8(row.name))
            << row.id;
    }
    QStringList names;
    for (QWidget* child :
         QtWindowOf(driver.Dialog()).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
        if (child->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(names.contains(child->accessibleName()))
                << child->accessibleName().toStdString();
            names << child->accessibleName();
        }
    }
}

}  // namespace
