// The progress window: a backup of a sample folder held at the opening of
// one source file (through the fault file system), under a progress window
// delay the test chooses.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "HeldFile.h"
#include "SampleFolders.h"
#include "res/Resource.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kLongest{10000};

class ProgressWindow : public testing::Test {
  protected:
    void SetUp() override {
        MakeDataFolder(source);
        MakeDir(target);
        driver.PickDestination(target);
        driver.Click(IDC_RADIO_BACKUP);
        driver.Prompts().AnswerYes();
    }

    ScratchFolder scratch;
    const std::string source = scratch.Path() + "/data";
    const std::string target = scratch.Path() + "/out";
    DialogDriver driver{source + "/"};
};

// Lets the window run until it has closed itself; false when it has not
// within kLongest.
bool WaitUntilClosed(const CDialog& window) {
    for (milliseconds waited{0}; waited < kLongest; waited += milliseconds(50)) {
        if (!window.IsOpen()) {
            return true;
        }
        LetEventsRun(milliseconds(50));
    }
    return !window.IsOpen();
}

TEST_F(ProgressWindow, OpensOnlyWhenTheRunOutlastsTheDelay) {
    struct Case {
        const char* name;
        milliseconds delay;
        milliseconds hold;
        bool opens;
    };
    const Case cases[] = {
        {"held 300 ms, delay 5 s", milliseconds(5000), milliseconds(300), false},
        {"held until the window is seen, delay 20 ms", milliseconds(20), kLongest, true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        FaultFileSystem fs;
        HeldFile held(fs, "ZELPIEB0.DAT", row.hold);
        driver.Dialog().SetOperationFileSystem(fs);
        driver.Dialog().SetProgressWindowDelay(row.delay);
        driver.Prompts().Clear();
        driver.Prompts().AnswerYes();
        bool closedItself = false;
        const bool opened = WithModalDialog([&] { driver.Click(IDOK); },
                                            [&](CDialog& progress) {
                                                held.Release();
                                                closedItself = WaitUntilClosed(progress);
                                            });

        EXPECT_EQ(opened, row.opens);
        EXPECT_EQ(closedItself, row.opens) << "the window closes when the run has ended";
        EXPECT_FALSE(WaitCursorShown());
        EXPECT_EQ(driver.Prompts().Messages(),
                  (std::vector<RecordedMessage>{Question("ファイルを作成してもよろしいですか。"),
                                                Notice("バックアップが終了しました。")}));
        EXPECT_EQ(FolderContents(target).size(), SampleCatalogueFiles().size() + 1);
        held.Release();
    }
}

TEST_F(ProgressWindow, StopsOnCancelAndTheReportListsWhatWasNotCopied) {
    // The backup's order: the base file, ZELCODB0.DAT, ZELTEAB0.DAT, then
    // the held file and the rest.
    const std::uint64_t done = SampleBaseFile(kSampleTitleSjis).size() +
                               SampleCatalogueFiles().at("ZELCODB0.DAT").size() +
                               SampleCatalogueFiles().at("ZELTEAB0.DAT").size();
    std::uint64_t total = SampleBaseFile(kSampleTitleSjis).size();
    for (const auto& [name, content] : SampleCatalogueFiles()) {
        total += content.size();
    }
    struct Case {
        const char* name;
        void (*cancel)(CDialog&);
    };
    const Case cases[] = {
        {"キャンセル", [](CDialog& window) { ClickItem(window, IDCANCEL); }},
        {"Escape", [](CDialog& window) { PressEscape(window); }},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        ScratchFolder out;
        driver.PickDestination(out.Path());
        FaultFileSystem fs;
        HeldFile held(fs, "ZELPIEB0.DAT", kLongest);
        driver.Dialog().SetOperationFileSystem(fs);
        driver.Dialog().SetProgressWindowDelay(milliseconds(20));
        driver.Prompts().Clear();
        driver.Prompts().AnswerYes();
        bool closedItself = false;
        const bool opened = WithModalDialog(
            [&] { driver.Click(IDOK); },
            [&](CDialog& progress) {
                EXPECT_TRUE(held.WaitUntilReached(kLongest));
                LetEventsRun(milliseconds(300));
                EXPECT_EQ(progress.GetDlgItemText(IDC_PROGRESS_OPERATION), "バックアップ");
                EXPECT_EQ(progress.GetDlgItemText(IDC_PROGRESS_FILE), "ZELPIEB0.DAT");
                EXPECT_EQ(progress.GetDlgItemText(IDC_PROGRESS_COUNT), "3 / 9 ファイル");
                EXPECT_EQ(progress.GetDlgItemProgress(IDC_PROGRESS_BAR),
                          static_cast<int>(done * kProgressBarRange / total));
                row.cancel(progress);
                EXPECT_FALSE(progress.IsDlgItemEnabled(IDCANCEL)) << "the stop was asked for";
                held.Release();
                closedItself = WaitUntilClosed(progress);
            });

        EXPECT_TRUE(opened);
        EXPECT_TRUE(closedItself);
        EXPECT_EQ(
            driver.Prompts().Messages(),
            (std::vector<RecordedMessage>{
                Question("ファイルを作成してもよろしいですか。"),
                Warning("バックアップが終了しました。\n\n次のファイルは作成できませんでした。\n"
                        "ZELPIEB0.DAT：中止しました\nZELPRN1-004.DAT：中止しました\n"
                        "ZELPRN2-003.DAT：中止しました\nZELPRN-SEL-01.DAT：中止しました\n"
                        "CLASS1.ZEL：中止しました\nFORM.SP1：中止しました"),
            }));
        std::vector<std::string> written;
        for (const auto& [name, content] : FolderContents(out.Path())) {
            written.push_back(name);
        }
        EXPECT_EQ(written,
                  (std::vector<std::string>{"ZELCODB0.DAT", "ZELTEAB0.DAT", "zelbas00.dat"}));
    }
}

}  // namespace
