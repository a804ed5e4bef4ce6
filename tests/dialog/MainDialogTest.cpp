// The main dialog between requests: what it shows when it opens and how the
// pickers, the kind buttons and the new-directory field keep its fields and
// controls consistent.
#include <gtest/gtest.h>

#include <functional>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "config/EnvFile.h"
#include "dialog/AboutDlg.h"
#include "dialog/MinimizedIcon.h"
#include "res/Resource.h"

namespace {

const std::string kSampleTitle = "２０１９年度　本校データ";

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
    // An existing folder written without its trailing separator gets one;
    // any other text is a plain prefix, as the environment file gives it. A
    // folder named in Shift-JIS is shown decoded and read through its own
    // bytes (on POSIX: Windows names are UTF-16, so no name of such bytes
    // exists there).
#ifndef _WIN32
    const std::string sjisNamed = scratch.Path() + "/\x83\x66\x81\x5b\x83\x5e";  // データ
    MakeDataFolder(sjisNamed);
#endif
    const struct {
        std::string dataPath;
        std::string shown;
        std::string title;
    } rows[] = {
        {source, source + kSeparator, kSampleTitle},
#ifndef _WIN32
        {sjisNamed, scratch.Child("データ/"), kSampleTitle},
#endif
        {source + "/", source + "/", kSampleTitle},
        {source + "/ZEL", source + "/ZEL", std::string()},
        // 0xC0 and 0xC1 lead no UTF-8 character: ﾀｰ and ﾁｿ are Shift-JIS.
        {source + "/\xC0\xB0", source + "/ﾀｰ", std::string()},
        {source + "/\xC1\xBF", source + "/ﾁｿ", std::string()},
    };
    for (const auto& row : rows) {
        DialogDriver driver(row.dataPath);
        EXPECT_EQ(driver.Text(IDC_EDIT_SRC_DIR), row.shown);
        EXPECT_EQ(driver.Text(IDC_EDIT_SRC_TITLE), row.title) << row.dataPath;
        EXPECT_EQ(driver.Dialog().m_strSrcTitle, row.title) << row.dataPath;
        EXPECT_EQ(g_szDataPath, row.dataPath) << "what the environment file says is kept";
    }

    DialogDriver withSeparator(source);
    EXPECT_EQ(withSeparator.Text(IDC_EDIT_SRC_TITLE), kSampleTitle);
    EXPECT_EQ(withSeparator.Text(IDC_EDIT_DST_TITLE), kSampleTitle);
    EXPECT_EQ(withSeparator.Text(IDC_EDIT_DST_DIR), std::string());
    EXPECT_TRUE(withSeparator.Dialog().IsDlgButtonChecked(IDC_RADIO_NEW));
    EXPECT_FALSE(withSeparator.Dialog().IsDlgItemEnabled(IDC_EDIT_NEWDIR));
    EXPECT_EQ(FocusedItem(withSeparator.Dialog()), IDOK);
    EXPECT_NE(withSeparator.Dialog().OnQueryDragIcon(), nullptr);
    EXPECT_TRUE(withSeparator.Prompts().Messages().empty());
}

TEST_F(MainDialog, TypingANewDirectoryUpdatesTheDestinationAtEveryKeystroke) {
    DialogDriver driver(source + "/");
    const std::string base = scratch.Child("out") + kSeparator;
    driver.PickDestination(scratch.Child("out"));
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), base) << "a picked folder ends with a separator";
    ASSERT_TRUE(driver.Dialog().IsDlgItemEnabled(IDC_EDIT_NEWDIR));

    std::string typed;
    for (const char ch : std::string("2020")) {
        driver.Type(IDC_EDIT_NEWDIR, std::string(1, ch));
        typed += ch;
        EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), base + typed) << typed;
        EXPECT_EQ(driver.Dialog().m_strDstDir, base + typed) << typed;
    }
    driver.Replace(IDC_EDIT_NEWDIR, "");
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), base);

    driver.Type(IDC_EDIT_NEWDIR, "2020");
    driver.PickDestination(scratch.Child("elsewhere/"));
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), scratch.Child("elsewhere/2020"))
        << "a new pick keeps the new directory name";
    EXPECT_TRUE(driver.Prompts().Messages().empty());
}

TEST_F(MainDialog, PickingASourceReplacesBothTitles) {
    DialogDriver driver(source + "/");
    driver.Replace(IDC_EDIT_DST_TITLE, "typed title");
    driver.PickSource(other);

    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_DIR), other + kSeparator);
    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_TITLE), "OTHER TITLE");
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_TITLE), "OTHER TITLE");

    driver.PickSource(scratch.Child("not-a-data-folder"));
    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_TITLE), std::string());
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_TITLE), std::string());
}

TEST_F(MainDialog, PickingADestinationShowsTheTitleLastReadBack) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Replace(IDC_EDIT_DST_TITLE, "typed title");
    driver.PickDestination(scratch.Child("out2"));
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_TITLE), kSampleTitle)
        << "the pick pushes the fields without reading them back first";
}

TEST_F(MainDialog, CancelledPickersChangeNothing) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Prompts().CancelBrowser();
    driver.Click(IDC_BUTTON_SRC_BROWSE);
    driver.Prompts().CancelBrowser();
    driver.Click(IDC_BUTTON_DST_BROWSE);

    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_DIR), source + "/");
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), scratch.Child("out") + kSeparator);
    EXPECT_TRUE(driver.Prompts().ScriptUsedUp());
}

TEST_F(MainDialog, ItemsWithoutAFileSystemPathLeaveTheFoldersEmpty) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Type(IDC_EDIT_NEWDIR, "2020");

    driver.Prompts().ChooseItemWithoutPath();
    driver.Click(IDC_BUTTON_DST_BROWSE);
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), std::string());
    EXPECT_FALSE(driver.Dialog().IsDlgItemEnabled(IDC_EDIT_NEWDIR));
    EXPECT_EQ(driver.Text(IDC_EDIT_NEWDIR), "2020");

    driver.Prompts().ChooseItemWithoutPath();
    driver.Click(IDC_BUTTON_SRC_BROWSE);
    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_DIR), std::string()) << "not a lone '/'";
}

TEST_F(MainDialog, TypedTextsStopAtTheirByteLimits) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Replace(IDC_EDIT_DST_TITLE, "");
    driver.Type(IDC_EDIT_DST_TITLE, Repeated("あ", 30));  // 2 bytes each in Shift-JIS
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_TITLE), Repeated("あ", 25));

    driver.Type(IDC_EDIT_NEWDIR, std::string(300, 'n'));
    EXPECT_EQ(driver.Text(IDC_EDIT_NEWDIR), std::string(256, 'n'));
}

TEST_F(MainDialog, KindButtonsChangeOnlyTheKind) {
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    // Controls that differ from their fields show whether anything was
    // pushed or read back.
    driver.Replace(IDC_EDIT_DST_TITLE, "typed title");
    for (const auto& row : kKindButtons) {
        driver.Click(row.id);
        EXPECT_EQ(driver.Dialog().m_nKind, row.kind) << row.id;
        EXPECT_TRUE(driver.Dialog().IsDlgButtonChecked(row.id)) << row.id;
        EXPECT_EQ(driver.Dialog().m_strDstTitle, kSampleTitle) << row.id;
        EXPECT_EQ(driver.Text(IDC_EDIT_DST_TITLE), "typed title") << row.id;
        EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), scratch.Child("out") + kSeparator) << row.id;
    }
}

TEST_F(MainDialog, PushingFieldsNeverRunsTheNewDirectoryHandler) {
    DialogDriver driver(source + "/");
    CFileUtilityDlg& dialog = driver.Dialog();
    // Were the handler run by the push, it would recompose the destination
    // from these.
    dialog.m_strDstBase = "/base/";
    dialog.m_strDstDir = "/elsewhere/";
    dialog.m_strNewDir = "2020";
    dialog.PushAll();

    EXPECT_EQ(driver.Text(IDC_EDIT_NEWDIR), "2020");
    EXPECT_EQ(dialog.m_strDstDir, "/elsewhere/");
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), "/elsewhere/");
}

TEST_F(MainDialog, EnterExecutesAndKeepsTheDialogOpenEscapeCloses) {
    DialogDriver driver(source + "/");
    driver.Prompts().AnswerNo();
    PressEnter(driver.Dialog(), IDOK);
    EXPECT_EQ(driver.Prompts().Messages(),
              std::vector<RecordedMessage>{Question("ファイルを作成してもよろしいですか。")});
    EXPECT_TRUE(driver.Dialog().IsOpen());

    PressEscape(driver.Dialog());
    EXPECT_FALSE(driver.Dialog().IsOpen());
    EXPECT_EQ(driver.Dialog().Result(), IDCANCEL);
}

TEST_F(MainDialog, CloseFromTheSystemMenuClosesLikeAnyDialog) {
    DialogDriver driver(source + "/");
    driver.Dialog().OnSysCommand({SystemCommand::Kind::kClose});
    EXPECT_FALSE(driver.Dialog().IsOpen());
    EXPECT_TRUE(driver.Prompts().Messages().empty());
}

// The ﾊﾞｰｼﾞｮﾝ情報 button and the system menu's item open the About box,
// whose OK ends it.
TEST_F(MainDialog, AboutOpensFromTheButtonAndFromTheSystemMenu) {
    DialogDriver driver(source + "/");
    const std::function<void()> ways[] = {
        [&] { driver.Click(IDC_BUTTON_VERSION); },
        [&] { driver.Dialog().OnSysCommand(SystemCommand::MenuItem(IDM_ABOUTBOX)); },
    };
    for (const auto& open : ways) {
        bool isAbout = false;
        std::string ok;
        EXPECT_TRUE(WithModalDialog(open, [&](CDialog& modal) {
            isAbout = dynamic_cast<CAboutDlg*>(&modal) != nullptr;
            ok = modal.GetDlgItemText(IDOK);
        }));
        EXPECT_TRUE(isAbout);
        EXPECT_EQ(ok, "OK");
    }
    CAboutDlg about;
    about.Create();
    ClickItem(about, IDOK);
    EXPECT_EQ(about.Result(), IDOK);
    EXPECT_FALSE(about.IsOpen());
}

TEST(MinimizedIcon, CentresByTheRuleRoundingTowardZero) {
    const struct {
        ClientSize client;
        IconOrigin origin;
    } rows[] = {
        {{100, 60}, {34, 14}},
        {{33, 33}, {1, 1}},
        {{0, 0}, {-15, -15}},  // -31 / 2: toward zero, not -16
        {{1, 2}, {-15, -14}},
    };
    for (const auto& row : rows) {
        const IconOrigin origin = CentredIconOrigin(row.client, 32);
        EXPECT_EQ(origin, row.origin) << row.client.width << "x" << row.client.height << " -> "
                                      << origin.x << "," << origin.y;
    }
}

}  // namespace
