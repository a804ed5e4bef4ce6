// Start-up: the environment file in the current directory decides whether
// the main dialog opens and on which folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "app/FileUtility.h"
#include "config/EnvFile.h"
#include "res/Resource.h"

namespace {

// Runs the test body in another current directory.
class InFolder {
  public:
    explicit InFolder(const std::string& folder) : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(m_previous); }

  private:
    std::filesystem::path m_previous;
};

TEST(Startup, WithoutEnvironmentFileShowsTheFamilyMessageAndNoDialog) {
    ScratchFolder scratch;
    ScriptedPrompts prompts;
    InFolder here(scratch.Path());
    const bool opened = WithModalDialog([] { CFileUtilityApp().InitInstance(); }, [](CDialog&) {});
    EXPECT_FALSE(opened) << "the main dialog must not open";
    EXPECT_EQ(prompts.Messages(), (std::vector<RecordedMessage>{RecordedMessage{
                                      false, "Zelmora メニュー", "zeldefs8.envが見つかりません。",
                                      MessageIcon::kInformation, MessageButtons::kOk}}));
}

TEST(Startup, WithEnvironmentFileOpensTheMainDialogOnItsFolder) {
    ScratchFolder scratch;
    const std::string data = scratch.Path() + "/data/2019/";
    MakeDataFolder(data);
    WriteBytes(scratch.Path() + "/zeldefs8.env", "[OTHER]=x\r\n[PATH]=" + data + "\r\n");
    ScriptedPrompts prompts;
    InFolder here(scratch.Path());

    std::string shownFolder, shownTitle;
    bool isMainDialog = false;
    const bool opened = WithModalDialog([] { CFileUtilityApp().InitInstance(); },
                                        [&](CDialog& modal) {
                                            isMainDialog =
                                                dynamic_cast<CFileUtilityDlg*>(&modal) != nullptr;
                                            shownFolder = modal.GetDlgItemText(IDC_EDIT_SRC_DIR);
                                            shownTitle = modal.GetDlgItemText(IDC_EDIT_DST_TITLE);
                                        });
    g_szDataPath.clear();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(isMainDialog);
    EXPECT_EQ(shownFolder, data);
    EXPECT_EQ(shownTitle, "２０１９年度　本校データ");
    EXPECT_TRUE(prompts.Messages().empty());
}

}  // namespace
