// One request from start to end, as a user makes it: pick the source and the
// destination, type a new directory and a title, choose バックアップ, press
// 実行 and answer Yes twice. On POSIX the folders are named in Shift-JIS, as
// an archive made on the original platform unpacks them: their bytes reach
// the engine unchanged. Windows names are UTF-16, so there the same folders
// have the engine's UTF-8 names.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "res/Resource.h"

namespace {

// "２０２０年度" in Shift-JIS.
const std::string kNewTitleSjis = "\x82\x51\x82\x4f\x82\x51\x82\x4f\x94\x4e\x93\x78";

#ifdef _WIN32
const std::string kSourceName = "データ";
const std::string kTargetName = "保存";
#else
const std::string kSourceName = "\x83\x66\x81\x5b\x83\x5e";  // データ
const std::string kTargetName = "\x95\xdb\x91\xb6";          // 保存
#endif

TEST(WholeRequest, BackupIntoNewDirectoryWritesEveryDataFileAndReportsInOrder) {
    ScratchFolder scratch;
    const std::string source = scratch.Path() + "/" + kSourceName;
    const std::string target = scratch.Path() + "/" + kTargetName;
    MakeDataFolder(source);
    MakeDir(target);
    const std::map<std::string, std::string> sourceBefore = FolderContents(source);

    DialogDriver driver("");
    driver.Prompts().ChooseFolder(source);
    driver.Click(IDC_BUTTON_SRC_BROWSE);
    driver.Prompts().ChooseFolder(target);
    driver.Click(IDC_BUTTON_DST_BROWSE);
    driver.Type(IDC_EDIT_NEWDIR, "2020");
    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_DIR), scratch.Child("データ") + kSeparator);
    EXPECT_EQ(driver.Text(IDC_EDIT_SRC_TITLE), "２０１９年度　本校データ");
    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), scratch.Child("保存") + kSeparator + "2020");
    driver.Replace(IDC_EDIT_DST_TITLE, "２０２０年度");
    driver.Click(IDC_RADIO_BACKUP);
    driver.Prompts().AnswerYes(2);
    driver.Click(IDOK);

    EXPECT_EQ(driver.Prompts().BrowserPrompts(),
              (std::vector<std::string>{"Zelmoraのデータのあるフォルダを選択してください。",
                                        "Zelmoraのデータを作成するフォルダを選択してください。"}));
    EXPECT_EQ(driver.Prompts().Messages(),
              (std::vector<RecordedMessage>{
                  Question("ファイルを作成してもよろしいですか。"),
                  Question("新規にディレクトリを作成してもよろしいですか。"),
                  Notice("バックアップが終了しました。"),
              }));
    EXPECT_TRUE(driver.Prompts().ScriptUsedUp());

    std::map<std::string, std::string> expected;
    std::string base = SampleBaseFile(kNewTitleSjis);
    expected["zelbas00.dat"] = base;
    for (const auto& [name, content] : SampleCatalogueFiles()) {
        expected[name] = WithCrLf(content);
    }
    EXPECT_EQ(FolderContents(target + "/2020"), expected);
    EXPECT_EQ(FolderContents(source), sourceBefore) << "the source must stay as it was";
    EXPECT_TRUE(driver.Dialog().IsOpen()) << "the dialog stays open for the next request";
}

}  // namespace
