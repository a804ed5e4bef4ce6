// The main dialog between requests: what it shows when it opens and how the
// pickers, the kind buttons and the new-directory field keep its fields and
// controls consistent.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "config/EnvFile.h"
#include "dialog/AboutDlg.h"
#include "res/Resource.h"

namespace {

const QString kSampleTitle = QStringLiteral("２０１９年度　本校データ");

// Each kind button with its kind, in an order that changes the kind each time.
const struct {
    int id;
    int kind;
} kKindButtons[] = {{IDC_RADIO_BACKUP, KIND_BACKUP},
                    {IDC_RADIO_CARRYOVER, KIND_CARRY_OVER},
                    {IDC_RADIO_NEW, KIND_NEW}};

bool IsChecked(CFileUtilityDlg& dialog, int id) {
    return qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id))->isChecked();
}

class MainDialog : public testing::Test {
  protected:
    void SetUp() override {
        source = scratch.Path() + "/2019";
        MakeDataFolder(source);
        other = scratch.Path() + "/other";
        MakeDataFolder(other, "OTHER TITLE");
    }

    ScratchFolder scratch;
    std::string source;
    std::string other;
};

TEST_F(MainDialog, OpensOnTheEnvironmentFoldersTitleWithNewCreationChosen) {
    // An existing folder written without its trailing "/" gets one; any other
    // text is a plain prefix, as the environment file gives it. A folder
    // named in Shift-JIS is shown decoded and read through its own bytes.
    const std::string sjisNamed = scratch.Path() + "/\x83\x66\x81\x5b\x83\x5e";  // データ
    MakeDataFolder(sjisNamed);
    const struct {
        std::string dataPath;
        QString shown;
        QString title;
    } rows[] = {
        {source, QString::fromStdString(source + "/"), kSampleTitle},
        {sjisNamed, scratch.Child("データ/"), kSampleTitle},
        {source + "/", QString::fromStdString(source + "/"), kSampleTitle},
        {source + "/ZEL", QString::fromStdString(source + "/ZEL"), QString()},
    };
    for (const auto& row : rows) {
        DialogDriver driver(row.dataPath);
        EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_DIR)->text(), row.shown);
        EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_TITLE)->text(), row.title) << row.dataPath;
        EXPECT_EQ(driver.Dialog().m_strSrcTitle, row.title) << row.dataPath;
        EXPECT_EQ(g_szDataPath, row.dataPath) << "what the environment file says is kept";
    }

    DialogDriver withSeparator(source);
    EXPECT_EQ(withSeparator.Edit(IDC_EDIT_SRC_TITLE)->text(), kSampleTitle);
    EXPECT_EQ(withSeparator.Edit(IDC_EDIT_DST_TITLE)->text(), kSampleTitle);
    EXPECT_EQ(withSeparator.Edit(IDC_EDIT_DST_DIR)->text(), QString());
    EXPECT_TRUE(IsChecked(withSeparator.Dialog(), IDC_RADIO_NEW));
    EXPECT_FALSE(withSeparator.Edit(IDC_EDIT_NEWDIR)->isEnabled());
    EXPECT_EQ(withSeparator.Dialog().focusWidget(), withSeparator.Dialog().GetDlgItem(IDOK));
    EXPECT_FALSE(withSeparator.Dialog().windowIcon().isNull());
    EXPECT_TRUE(withSeparator.Prompts().Messages().empty());
}

TEST_F(MainDialog, TypingANewDirectoryUpdatesTheDestinationAtEveryKeystroke) {
    DialogDriver driver(source + "/");
    const QString base = scratch.Child("out/");
    driver.PickDestination(scratch.Child("out"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), base) << "a picked folder ends with '/'";
    ASSERT_TRUE(driver.Edit(IDC_EDIT_NEWDIR)->isEnabled());

    QString typed;
    for (const QChar ch : QStringLiteral("2020")) {
        driver.Type(IDC_EDIT_NEWDIR, QString(ch));
        typed += ch;
        EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), base + typed) << typed.toStdString();
        EXPECT_EQ(driver.Dialog().m_strDstDir, base + typed) << typed.toStdString();
    }
    driver.Edit(IDC_EDIT_NEWDIR)->clear();
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), base);

    driver.Type(IDC_EDIT_NEWDIR, QStringLiteral("2020"));
    driver.PickDestination(scratch.Child("elsewhere/"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), scratch.Child("elsewhere/2020"))
        << "a new pick keeps the new directory name";
    EXPECT_TRUE(driver.Prompts().Messages().empty());
}

TEST_F(MainDialog, PickingASourceReplacesBothTitles) {
    DialogDriver driver(source + "/");
    driver.Replace(IDC_EDIT_DST_TITLE, QStringLiteral("typed title"));
    driver.PickSource(QString::fromStdString(other));

    EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_DIR)->text(), QString::fromStdString(other + "/"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_TITLE)->text(), QStringLiteral("OTHER TITLE"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_TITLE)->text(), QStringLiteral("OTHER TITLE"));

    driver.PickSource(scratch.Child("not-a-data-folder"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_TITLE)->text(), QString());
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_TITLE)->text(), QString());
}

TEST_F(MainDialog, PickingADestinationShowsTheTitleLastReadBack) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Replace(IDC_EDIT_DST_TITLE, QStringLiteral("typed title"));
    driver.PickDestination(scratch.Child("out2"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_TITLE)->text(), kSampleTitle)
        << "the pick pushes the fields without reading them back first";
}

TEST_F(MainDialog, CancelledPickersChangeNothing) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Prompts().CancelBrowser();
    driver.Click(IDC_BUTTON_SRC_BROWSE);
    driver.Prompts().CancelBrowser();
    driver.Click(IDC_BUTTON_DST_BROWSE);

    EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_DIR)->text(), QString::fromStdString(source + "/"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), scratch.Child("out/"));
    EXPECT_TRUE(driver.Prompts().ScriptUsedUp());
}

TEST_F(MainDialog, ItemsWithoutAFileSystemPathLeaveTheFoldersEmpty) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Type(IDC_EDIT_NEWDIR, QStringLiteral("2020"));

    driver.Prompts().ChooseItemWithoutPath();
    driver.Click(IDC_BUTTON_DST_BROWSE);
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), QString());
    EXPECT_FALSE(driver.Edit(IDC_EDIT_NEWDIR)->isEnabled());
    EXPECT_EQ(driver.Edit(IDC_EDIT_NEWDIR)->text(), QStringLiteral("2020"));

    driver.Prompts().ChooseItemWithoutPath();
    driver.Click(IDC_BUTTON_SRC_BROWSE);
    EXPECT_EQ(driver.Edit(IDC_EDIT_SRC_DIR)->text(), QString()) << "not a lone '/'";
}

TEST_F(MainDialog, TypedTextsStopAtTheirByteLimits) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Edit(IDC_EDIT_DST_TITLE)->clear();
    driver.Type(IDC_EDIT_DST_TITLE, QString(30, QChar(0x3042)));  // あ: 2 bytes in Shift-JIS
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_TITLE)->text(), QString(25, QChar(0x3042)));

    driver.Type(IDC_EDIT_NEWDIR, QString(300, QLatin1Char('n')));
    EXPECT_EQ(driver.Edit(IDC_EDIT_NEWDIR)->text(), QString(256, QLatin1Char('n')));
}

TEST_F(MainDialog, KindButtonsChangeOnlyTheKind) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    // Controls that differ from their fields show whether anything was
    // pushed or read back.
    driver.Replace(IDC_EDIT_DST_TITLE, QStringLiteral("typed title"));
    for (const auto& row : kKindButtons) {
        driver.Click(row.id);
        EXPECT_EQ(driver.Dialog().m_nKind, row.kind) << row.id;
        EXPECT_TRUE(IsChecked(driver.Dialog(), row.id)) << row.id;
        EXPECT_EQ(driver.Dialog().m_strDstTitle, kSampleTitle) << row.id;
        EXPECT_EQ(driver.Edit(IDC_EDIT_DST_TITLE)->text(), QStringLiteral("typed title")) << row.id;
        EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), scratch.Child("out/")) << row.id;
    }
}

// A kind button checked without a click (a screen reader's toggle action, a
// program) is the kind: the next push must not snap the check back.
TEST_F(MainDialog, KindFollowsTheCheckedButtonHoweverItWasChecked) {
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
            check(qobject_cast<QAbstractButton*>(driver.Dialog().GetDlgItem(row.id)));
            driver.PickDestination(scratch.Child("out"));
            EXPECT_TRUE(IsChecked(driver.Dialog(), row.id)) << row.id;
            EXPECT_EQ(driver.Dialog().m_nKind, row.kind) << row.id;
        }
    }
}

TEST_F(MainDialog, PushingFieldsNeverRunsTheNewDirectoryHandler) {
    DialogDriver driver(source + "/");
    CFileUtilityDlg& dialog = driver.Dialog();
    // Were the handler run by the push, it would recompose the destination
    // from these.
    dialog.m_strDstBase = QStringLiteral("/base/");
    dialog.m_strDstDir = QStringLiteral("/elsewhere/");
    dialog.m_strNewDir = QStringLiteral("2020");
    dialog.PushAll();

    EXPECT_EQ(driver.Edit(IDC_EDIT_NEWDIR)->text(), QStringLiteral("2020"));
    EXPECT_EQ(dialog.m_strDstDir, QStringLiteral("/elsewhere/"));
    EXPECT_EQ(driver.Edit(IDC_EDIT_DST_DIR)->text(), QStringLiteral("/elsewhere/"));
}

TEST_F(MainDialog, EnterExecutesAndKeepsTheDialogOpenEscapeCloses) {
    DialogDriver driver(source + "/");
    driver.Prompts().AnswerNo();
    QTest::keyClick(driver.Dialog().GetDlgItem(IDOK), Qt::Key_Return);
    EXPECT_EQ(driver.Prompts().Messages(), std::vector<RecordedMessage>{Question(QStringLiteral(
                                               "ファイルを作成してもよろしいですか。"))});
    EXPECT_TRUE(driver.Dialog().isVisible());

    QTest::keyClick(&driver.Dialog(), Qt::Key_Escape);
    EXPECT_FALSE(driver.Dialog().isVisible());
    EXPECT_EQ(driver.Dialog().result(), QDialog::Rejected);
}

TEST_F(MainDialog, CloseFromTheSystemMenuClosesLikeAnyDialog) {
    DialogDriver driver(source + "/");
    driver.Dialog().OnSysCommand(SC_CLOSE, 0);
    EXPECT_FALSE(driver.Dialog().isVisible());
    EXPECT_TRUE(driver.Prompts().Messages().empty());
}

// The About box from the ﾊﾞｰｼﾞｮﾝ情報 button and from the system menu (the
// dialog's context menu here) is one and the same dialog.
TEST_F(MainDialog, AboutOpensFromTheButtonAndFromTheSystemMenu) {
    DialogDriver driver(source + "/");
    CFileUtilityDlg& dialog = driver.Dialog();
    const auto describe = [](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        return about == nullptr ? QString() : about->windowTitle();
    };
    const QString expected = QStringLiteral("ファイルユーティリティのバージョン情報");

    QString fromButton;
    EXPECT_TRUE(WithModalDialog([&] { driver.Click(IDC_BUTTON_VERSION); },
                                [&](QWidget* modal) { fromButton = describe(modal); }));
    EXPECT_EQ(fromButton, expected);

    // A right click on the dialog's background opens the system menu.
    QMenu* shown = nullptr;
    QString fromMenu;
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
        WithModalDialog([&] { item->trigger(); },
                        [&](QWidget* modal) { fromMenu = describe(modal); });
    });
    menuTimer.start(0);
    const QPoint background(2, 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, dialog.mapToGlobal(background));
    QApplication::sendEvent(&dialog, &click);

    ASSERT_EQ(shown, &dialog.SystemMenu());
    ASSERT_EQ(dialog.SystemMenu().actions().size(), 2);
    EXPECT_TRUE(dialog.SystemMenu().actions()[0]->isSeparator());
    EXPECT_EQ(fromMenu, expected);
}

TEST_F(MainDialog, AboutBoxShowsNameVersionNoticeAndIcon) {
    CAboutDlg about;
    QStringList texts;
    bool hasIcon = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        hasIcon = hasIcon || !label->pixmap().isNull();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("ファイルユーティリティ Ver.2019")));
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(texts.size(), 3) << "icon, name and notice";

    auto* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    about.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainDialog, EveryControlHasAnAccessibleName) {
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
        EXPECT_EQ(driver.Dialog().GetDlgItem(row.id)->accessibleName(), QString::fromUtf8(row.name))
            << row.id;
    }
    QStringList names;
    for (QWidget* child : driver.Dialog().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
        if (child->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(names.contains(child->accessibleName()))
                << child->accessibleName().toStdString();
            names << child->accessibleName();
        }
    }
}

}  // namespace
