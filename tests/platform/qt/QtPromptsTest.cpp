// The prompts a running program shows (no script): message boxes whose
// buttons speak Japanese whatever the locale, and the folder browser, run in
// a home folder of its own so that anything it wrote would show.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <set>

#include "QtModal.h"
#include "SampleFolders.h"
#include "platform/qt/FolderBrowser.h"
#include "platform/qt/QtPrompts.h"

namespace {

// The texts of the buttons of the message box shown for buttons.
QStringList ButtonTexts(MessageButtons buttons) {
    QStringList texts;
    WithModalWidget(
        [buttons] {
            QtPrompts().ShowMessage(nullptr, "ファイルユーティリティ", "実行しますか？",
                                    MessageIcon::kQuestion, buttons);
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

// "データ" in Shift-JIS: a folder name that is not UTF-8.
const std::string kSjisName = "\x83\x66\x81\x5B\x83\x5E";
const QString kPrompt = QStringLiteral("Zelmoraのデータを作成するフォルダを選択してください。");

// A home folder of the test's own whose desktop folder, named in
// user-dirs.dirs as a desktop session names it, holds a few folders, a
// hidden one, a file and a link to a folder.
class BrowserHome : public testing::Test {
  protected:
    void SetUp() override {
        m_savedHome = qgetenv("HOME");
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QByteArray::fromStdString(m_scratch.Path()));
        qunsetenv("XDG_CONFIG_HOME");
        MakeDir(m_scratch.Path() + "/.config");
        WriteBytes(m_scratch.Path() + "/.config/user-dirs.dirs",
                   "XDG_DESKTOP_DIR=\"$HOME/机上\"\n");
        for (const char* name : {"b", "A/inner", "10", "9", ".hidden"}) {
            MakeDir(Desktop() + "/" + name);
        }
        MakeDir(Desktop() + "/" + kSjisName);
        WriteBytes(Desktop() + "/note.txt", "");
        std::filesystem::create_directory_symlink(Desktop() + "/b", Desktop() + "/z-link");
    }
    void TearDown() override {
        qputenv("HOME", m_savedHome);
        if (m_savedConfig.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", m_savedConfig);
        }
    }

    std::string Desktop() const { return m_scratch.Path() + "/机上"; }

    // Every path under the home folder.
    std::set<std::string> HomeContents() const {
        std::set<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_scratch.Path())) {
            paths.insert(entry.path().string());
        }
        return paths;
    }

  private:
    ScratchFolder m_scratch;
    QByteArray m_savedHome;
    QByteArray m_savedConfig;
};

QTreeWidget* TreeOf(const QWidget& browser) {
    return browser.findChild<QTreeWidget*>();
}

QPushButton* ButtonOf(const QWidget& browser, const QString& text) {
    for (QPushButton* button : browser.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

QStringList ChildTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) {
        texts << item->child(i)->text(0);
    }
    return texts;
}

TEST_F(BrowserHome, ShowsThePromptAndTheDesktopsFoldersInJapanese) {
    FolderBrowser browser(nullptr, kPrompt);
    browser.show();
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("フォルダーの参照"));
    EXPECT_EQ(browser.findChild<QLabel*>()->text(), kPrompt);
    QStringList buttons;
    for (const QPushButton* button : browser.findChildren<QPushButton*>()) {
        buttons << button->text();
    }
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("新しいフォルダーの作成(&M)"),
                                    QStringLiteral("OK"), QStringLiteral("キャンセル")}));

    QTreeWidget* tree = TreeOf(browser);
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(ChildTexts(tree->invisibleRootItem()),
              (QStringList{QStringLiteral("デスクトップ"), QStringLiteral("ホーム"),
                           QStringLiteral("コンピューター")}));
    // The desktop is selected and open, listing its folders only, sorted as
    // a person reads them; the Shift-JIS name reads as such.
    EXPECT_EQ(browser.SelectedPath(), Desktop());
    const QTreeWidgetItem* desktop = tree->topLevelItem(0);
    EXPECT_TRUE(desktop->isExpanded());
    EXPECT_EQ(
        ChildTexts(desktop),
        (QStringList{QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("A"),
                     QStringLiteral("b"), QStringLiteral("z-link"), QStringLiteral("データ")}));

    tree->clearSelection();
    EXPECT_FALSE(ButtonOf(browser, QStringLiteral("OK"))->isEnabled());
}

TEST_F(BrowserHome, AFolderListsItsSubfoldersWhenOpened) {
    FolderBrowser browser(nullptr, kPrompt);
    browser.show();
    QTreeWidgetItem* folderA = TreeOf(browser)->topLevelItem(0)->child(2);
    EXPECT_EQ(folderA->childCount(), 0);
    folderA->setExpanded(true);
    ASSERT_EQ(ChildTexts(folderA), QStringList{QStringLiteral("inner")});
    TreeOf(browser)->setCurrentItem(folderA->child(0));
    EXPECT_EQ(browser.SelectedPath(), Desktop() + "/A/inner");
}

// Types name over the name being edited in tree and presses Enter.
void NameInPlace(QTreeWidget* tree, const QString& name) {
    // Editors closed before are hidden but not yet deleted.
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : tree->findChildren<QLineEdit*>()) {
        editor = open->isVisible() ? open : editor;
    }
    ASSERT_NE(editor, nullptr) << "no name is being edited";
    editor->setText(name);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view takes the name in a queued call
}

// Two new folders; the second may not take the first one's name (renaming
// onto an empty folder would replace it) but takes another, given with F2,
// and what was made inside it is then found under its new name.
TEST_F(BrowserHome, NewFolderMakesOneFolderThatTheUserNamesInPlace) {
    const std::set<std::string> before = HomeContents();
    FolderBrowser browser(nullptr, kPrompt);
    browser.show();
    QTreeWidget* tree = TreeOf(browser);
    QTreeWidgetItem* folderB = tree->topLevelItem(0)->child(3);
    QPushButton* newFolder = ButtonOf(browser, QStringLiteral("新しいフォルダーの作成(&M)"));
    for (int i = 0; i < 2; ++i) {
        tree->setCurrentItem(folderB);
        QTest::mouseClick(newFolder, Qt::LeftButton);
    }
    NameInPlace(tree, QStringLiteral("新しいフォルダー"));
    EXPECT_EQ(ChildTexts(folderB), (QStringList{QStringLiteral("新しいフォルダー"),
                                                QStringLiteral("新しいフォルダー (2)")}));
    // One more inside it, left with its name, before it is renamed with F2.
    QTreeWidgetItem* second = tree->currentItem();
    QTest::mouseClick(newFolder, Qt::LeftButton);
    tree->setCurrentItem(second);
    QTest::keyClick(tree, Qt::Key_F2);
    NameInPlace(tree, QStringLiteral("2026年度"));
    EXPECT_EQ(ChildTexts(folderB),
              (QStringList{QStringLiteral("2026年度"), QStringLiteral("新しいフォルダー")}));
    EXPECT_EQ(browser.SelectedPath(), Desktop() + "/b/2026年度");
    EXPECT_TRUE(browser.isVisible()) << "Enter in the name must not close the browser";
    second->setExpanded(true);
    ASSERT_EQ(second->childCount(), 1);
    tree->setCurrentItem(second->child(0));
    EXPECT_EQ(browser.SelectedPath(), Desktop() + "/b/2026年度/新しいフォルダー");

    std::set<std::string> expected = before;
    expected.insert({Desktop() + "/b/新しいフォルダー", Desktop() + "/b/2026年度",
                     Desktop() + "/b/2026年度/新しいフォルダー"});
    EXPECT_EQ(HomeContents(), expected);
}

// The Shift-JIS folder is picked; OK hands back its bytes as they are.
TEST_F(BrowserHome, APickThroughThePromptsGivesTheFoldersBytesAndLeavesNoFileBehind) {
    const std::set<std::string> before = HomeContents();
    struct Case {
        const char* button;
        BrowseResult result;
        std::string path;
    };
    const std::string untouched = "/untouched";
    for (const Case& c : {Case{"キャンセル", BrowseResult::kCancelled, untouched},
                          Case{"OK", BrowseResult::kChosen, Desktop() + "/" + kSjisName}}) {
        std::string path = untouched;
        BrowseResult result{};
        QString prompt;
        WithModalWidget(
            [&] { result = QtPrompts().BrowseFolder(nullptr, kPrompt.toStdString(), path); },
            [&](QWidget* modal) {
                prompt = modal->findChild<QLabel*>()->text();
                QTreeWidget* tree = TreeOf(*modal);
                tree->setCurrentItem(tree->topLevelItem(0)->child(5));
                ButtonOf(*modal, QString::fromUtf8(c.button))->click();
            });
        EXPECT_EQ(prompt, kPrompt);
        EXPECT_EQ(result, c.result) << c.button;
        EXPECT_EQ(path, c.path) << c.button;
    }
    EXPECT_EQ(HomeContents(), before);
}

}  // namespace
