// The execute command's checks: every refusal shows its message and leaves
// the file system as it was; every accepted request writes what its kind
// asks for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "DialogDriver.h"
#include "SampleFolders.h"
#include "dialog/FailureList.h"
#include "platform/Application.h"
#include "res/Resource.h"

namespace {

const RecordedMessage kConfirmStart = Question("ファイルを作成してもよろしいですか。");
const RecordedMessage kConfirmNewDir = Question("新規にディレクトリを作成してもよろしいですか。");
const RecordedMessage kSameFolder = Notice("コピー元とコピー先のディレクトリが同じです。");
const RecordedMessage kNoBaseFile = Notice("コピー元ディレクトリにZelmoraのファイルがありません。");

class ExecuteChecks : public testing::Test {
  protected:
    void SetUp() override {
        source = scratch.Path() + "/data/2019";
        MakeDataFolder(source);
        sourceBefore = FolderContents(source);
    }

    // Everything under the scratch folder, so that a test sees any write.
    std::vector<std::string> Tree() const {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch.Path())) {
            paths.push_back(TextOf(entry.path()));
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    void Execute(DialogDriver& driver) { driver.Click(IDOK); }

    ScratchFolder scratch;
    std::string source;
    std::map<std::string, std::string> sourceBefore;
};

TEST_F(ExecuteChecks, NoToTheFirstQuestionDoesNothingNotEvenAReadBack) {
    MakeDir(scratch.Path() + "/out");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Replace(IDC_EDIT_DST_TITLE, "typed");
    const std::vector<std::string> before = Tree();
    driver.Prompts().AnswerNo();
    Execute(driver);

    EXPECT_EQ(driver.Prompts().Messages(), std::vector<RecordedMessage>{kConfirmStart});
    EXPECT_EQ(driver.Dialog().m_strDstTitle, "２０１９年度　本校データ")
        << "the typed title must not have been read back";
    EXPECT_EQ(Tree(), before);
}

TEST_F(ExecuteChecks, EmptyFoldersAreRefusedWithTheirMessages) {
    struct Row {
        const char* name;
        bool withSource;
        bool withDestination;
        std::string message;
    };
    const Row rows[] = {
        {"neither", false, false, "コピー元のディレクトリを正しく設定して下さい。"},
        {"no source", false, true, "コピー元のディレクトリを正しく設定して下さい。"},
        {"no destination", true, false, "コピー先のディレクトリを正しく設定して下さい。"},
    };
    MakeDir(scratch.Path() + "/out");
    for (const Row& row : rows) {
        DialogDriver driver(row.withSource ? source + "/" : "");
        if (row.withDestination) {
            driver.PickDestination(scratch.Child("out"));
        }
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes();
        Execute(driver);
        EXPECT_EQ(driver.Prompts().Messages(),
                  (std::vector<RecordedMessage>{kConfirmStart, Notice(row.message)}))
            << row.name;
        EXPECT_EQ(Tree(), before) << row.name;
    }
}

// The same folder is refused before the base file is looked for.
TEST_F(ExecuteChecks, SourceWithoutBaseFileIsRefusedEvenForNewCreation) {
    const std::string bare = scratch.Path() + "/bare";
    MakeDir(bare);
    WriteBytes(bare + "/ZELCODB0.DAT", "0001\r\n");
    MakeDir(scratch.Path() + "/out");
    const struct {
        std::string destination;
        RecordedMessage refusal;
    } rows[] = {
        {scratch.Child("out"), kNoBaseFile},
        {bare, kSameFolder},
    };
    for (const auto& row : rows) {
        DialogDriver driver(bare + "/");
        driver.PickDestination(row.destination);
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes();
        Execute(driver);

        EXPECT_EQ(driver.Prompts().Messages(),
                  (std::vector<RecordedMessage>{kConfirmStart, row.refusal}))
            << row.destination;
        EXPECT_EQ(Tree(), before) << row.destination;
    }
}

// The same folder in whatever written form is refused before anything is
// written: the texts alike but for letter case or a trailing "/", the
// source's parent plus a new directory named like the source, links and
// "..".
TEST_F(ExecuteChecks, SameFolderInAnyWrittenFormIsRefused) {
    // Windows lets only privileged users make links (Wine none at all).
#ifndef _WIN32
    std::filesystem::create_directory_symlink(source, scratch.Path() + "/link");
#endif
    MakeDir(source + "/sub");
    MakeDir(scratch.Path() + "/DATA");
    struct Row {
        std::string dataPath;     // the source as the environment file gives it
        std::string destination;  // the picked destination
        std::string newDir;       // typed into the new-directory field
    };
    const std::string parent = scratch.Child("data");
    const Row rows[] = {
        {source + "/", source, {}},
        {source, source + "/", {}},
        {source + "/", source + "//", {}},
        {source + "/", parent, "2019"},
        {source, parent, "2019"},
#ifndef _WIN32
        {source + "/", scratch.Child("link"), {}},
#endif
        {source + "/", source + "/sub/..", {}},
        {scratch.Path() + "/data/", scratch.Child("DATA"), {}},
        {source + "/", "/", {}},
    };
    for (const Row& row : rows) {
        const std::string label = row.dataPath + " -> " + row.destination + " + " + row.newDir;
        if (row.dataPath == scratch.Path() + "/data/") {
            MakeDataFolder(row.dataPath);
        }
        DialogDriver driver(row.dataPath);
        driver.PickDestination(row.destination);
        driver.Type(IDC_EDIT_NEWDIR, row.newDir);
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes();
        Execute(driver);

        ASSERT_GE(driver.Prompts().Messages().size(), 2U) << label;
        EXPECT_EQ(driver.Prompts().Messages()[0], kConfirmStart) << label;
        EXPECT_EQ(driver.Prompts().Messages()[1], kSameFolder) << label;
        EXPECT_EQ(Tree(), before) << label;
        EXPECT_EQ(FolderContents(source), sourceBefore) << label;
    }
}

TEST_F(ExecuteChecks, NoToTheNewDirectoryQuestionCancelsTheRequest) {
    MakeDir(scratch.Path() + "/out");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Type(IDC_EDIT_NEWDIR, "2020");
    const std::vector<std::string> before = Tree();
    driver.Prompts().AnswerYes();
    driver.Prompts().AnswerNo();
    Execute(driver);

    EXPECT_EQ(driver.Prompts().Messages(),
              (std::vector<RecordedMessage>{kConfirmStart, kConfirmNewDir}));
    EXPECT_EQ(Tree(), before);
}

TEST_F(ExecuteChecks, NewDirectoryThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    WriteBytes(scratch.Path() + "/taken", "a file, not a folder\r\n");
    struct Row {
        std::string base;
        std::string newDir;
        std::string reason;
    };
    const Row rows[] = {
        {scratch.Child("missing"), "2020", "親のディレクトリがありません。"},
        {std::string(scratch.Path()), "taken", "同じ名前のファイルがあります。"},
#ifndef _WIN32  // a part of the path is a file: ENOTDIR (Windows finds no such path)
        {scratch.Child("taken"), "2020", "同じ名前のファイルがあります。"},
#endif
    };
    for (const Row& row : rows) {
        DialogDriver driver(source + "/");
        driver.PickDestination(row.base);
        driver.Type(IDC_EDIT_NEWDIR, row.newDir);
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes(2);
        Execute(driver);

        const std::string created = row.base + kSeparator + row.newDir + kSeparator;
        EXPECT_EQ(driver.Prompts().Messages(),
                  (std::vector<RecordedMessage>{
                      kConfirmStart, kConfirmNewDir,
                      Notice(std::string("新規ディレクトリを作成できませんでした。\n") + created +
                             '\n' + row.reason)}))
            << created;
        EXPECT_EQ(Tree(), before) << created;
    }
}

TEST_F(ExecuteChecks, ExistingNewDirectoryIsUsedAsItIs) {
    MakeDir(scratch.Path() + "/out/2020");
    WriteBytes(scratch.Path() + "/out/2020/KEEP.TXT", "kept\r\n");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Type(IDC_EDIT_NEWDIR, "2020");
    driver.Prompts().AnswerYes(2);
    Execute(driver);

    EXPECT_EQ(driver.Prompts().Messages().back(), Notice("新規作成が終了しました。"));
    EXPECT_EQ(FolderContents(scratch.Path() + "/out/2020"),
              (std::map<std::string, std::string>{
                  {"KEEP.TXT", "kept\r\n"}, {"zelbas00.dat", SampleBaseFile(kSampleTitleSjis)}}));
}

// Separators are looked for character by character: characters whose
// Shift-JIS second byte is 0x5C are names like any other. The name is looked
// at also when the folder checks have refused the request already.
TEST_F(ExecuteChecks, NewDirectoryNameIsRefusedForEachSeparatorItHolds) {
    const auto refusal = [](char found) {
        return Notice(std::string("新規に作成できるディレクトリは１階層までです。\n"
                                  "新規ディレクトリ名に'") +
                      found + std::string("'は使用できません。"));
    };
    const std::string bare = scratch.Path() + "/bare";
    MakeDir(bare);
    MakeDir(scratch.Path() + "/out");
    struct Row {
        std::string dataPath;
        std::string base;
        std::string newDir;
        std::vector<RecordedMessage> refusals;
    };
    const Row rows[] = {
        {source + "/", scratch.Child("out"), "a\\b", {refusal('\\')}},
        {source + "/", scratch.Child("out"), "a/b", {refusal('/')}},
        {source + "/", scratch.Child("out"), "a\\b/c", {refusal('\\'), refusal('/')}},
        {bare + "/", scratch.Child("out"), "a\\b", {kNoBaseFile, refusal('\\')}},
        {source + "/", scratch.Child("data"), "2019/", {kSameFolder, refusal('/')}},
    };
    for (const Row& row : rows) {
        const std::string label = row.dataPath + " -> " + row.base + " + " + row.newDir;
        DialogDriver driver(row.dataPath);
        driver.PickDestination(row.base);
        driver.Type(IDC_EDIT_NEWDIR, row.newDir);
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes();
        Execute(driver);

        std::vector<RecordedMessage> expected{kConfirmStart};
        expected.insert(expected.end(), row.refusals.begin(), row.refusals.end());
        EXPECT_EQ(driver.Prompts().Messages(), expected) << label;
        EXPECT_EQ(Tree(), before) << label;
    }
}

TEST_F(ExecuteChecks, NewDirectoryNamedWithKanjiEndingIn5CIsCreated) {
    MakeDir(scratch.Path() + "/out");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Type(IDC_EDIT_NEWDIR, "十表ソ");
    driver.Prompts().AnswerYes(2);
    Execute(driver);

    EXPECT_EQ(driver.Prompts().Messages(),
              (std::vector<RecordedMessage>{kConfirmStart, kConfirmNewDir,
                                            Notice("新規作成が終了しました。")}));
    EXPECT_EQ(ReadBytes(scratch.Path() + "/out/十表ソ/zelbas00.dat"),
              SampleBaseFile(kSampleTitleSjis));
}

// The title is refused after the folder and new-directory checks, before the
// new directory is asked for or created.
TEST_F(ExecuteChecks, TitleThatShiftJisCannotHoldIsRefusedBeforeAnythingIsWritten) {
    const RecordedMessage refusal =
        Notice(std::string("コピー先のタイトルに使用できない文字「é」があります。\n"
                           "別の文字に置き換えて下さい。"));
    const struct {
        std::string destination;
        std::string newDir;
        RecordedMessage first;
    } rows[] = {
        {scratch.Child("out"), "2020", refusal},
        {source, {}, kSameFolder},
        {scratch.Child("out"), "a/b",
         Notice(std::string("新規に作成できるディレクトリは１階層までです。\n"
                            "新規ディレクトリ名に'/'は使用できません。"))},
    };
    MakeDir(scratch.Path() + "/out");
    for (const auto& row : rows) {
        DialogDriver driver(source + "/");
        driver.PickDestination(row.destination);
        driver.Type(IDC_EDIT_NEWDIR, row.newDir);
        driver.Replace(IDC_EDIT_DST_TITLE, "Café 2020");
        const std::vector<std::string> before = Tree();
        driver.Prompts().AnswerYes();
        Execute(driver);

        EXPECT_EQ(driver.Prompts().Messages(),
                  (std::vector<RecordedMessage>{kConfirmStart, row.first}))
            << row.newDir;
        EXPECT_EQ(Tree(), before) << row.newDir;
    }
}

// A title nobody edited is written with the bytes it was read with, also
// those that decode to nothing Shift-JIS maps back; an edited one is encoded
// afresh, the forms input methods give for 〜−‖—¢£¬ included.
TEST_F(ExecuteChecks, TitleIsWrittenAsReadUnlessEdited) {
    const std::string undecoded = "\uFFFD";
    const struct {
        std::string read;
        std::string shown;
        std::string edited;  // empty: left as shown
        std::string written;
    } rows[] = {
        {"\x80", undecoded, {}, "\x80"},
        {"\xA0\xFD\xFE\xFF", undecoded + undecoded + undecoded + undecoded, {}, "\xA0\xFD\xFE\xFF"},
        {"\xEE\xE0", "髙", {}, "\xEE\xE0"},
        {"ab\x82", std::string("ab") + undecoded, {}, "ab\x82"},
        {std::string(50, '\x80'), Repeated(undecoded, 50), {}, std::string(50, '\x80')},
        {kSampleTitleSjis, "２０１９年度　本校データ", "令和8年度〜−‖—¢£¬",
         "\x97\xdf\x98\x61"
         "8"
         "\x94\x4e\x93\x78\x81\x60\x81\x7c\x81\x61\x81\x5c\x81\x91\x81\x92\x81\xca"},
    };
    int n = 0;
    for (const auto& row : rows) {
        const std::string from = scratch.Path() + "/from" + std::to_string(n);
        const std::string out = scratch.Path() + "/out" + std::to_string(n++);
        MakeDataFolder(from, row.read);
        MakeDir(out);
        DialogDriver driver(from + "/");
        driver.PickDestination(out);
        EXPECT_EQ(driver.Text(IDC_EDIT_SRC_TITLE), row.shown) << from;
        if (!row.edited.empty()) {
            driver.Replace(IDC_EDIT_DST_TITLE, row.edited);
        }
        driver.Prompts().AnswerYes();
        Execute(driver);

        EXPECT_EQ(driver.Prompts().Messages().back(), Notice("新規作成が終了しました。")) << from;
        EXPECT_EQ(ReadBytes(out + "/zelbas00.dat"), SampleBaseFile(row.written)) << from;
    }
}

TEST_F(ExecuteChecks, NewCreationWritesOnlyTheBaseFileWithTheTitleShown) {
    const std::string out = scratch.Path() + "/out";
    MakeDir(out);
    WriteBytes(out + "/ZELCODB0.DAT", "old master\r\n");
    DialogDriver driver(source + "/");
    driver.PickDestination(out);
    // 25 double-byte characters: the whole 50-byte limit.
    driver.Replace(IDC_EDIT_DST_TITLE, "令和二年度　第一学年から第三学年の全生徒基本データ");
    driver.Prompts().AnswerYes();
    Execute(driver);

    const std::string titleSjis =
        "\x97\xdf\x98\x61\x93\xf1\x94\x4e\x93\x78\x81\x40\x91\xe6\x88\xea\x8a\x77\x94\x4e"
        "\x82\xa9\x82\xe7\x91\xe6\x8e\x4f\x8a\x77\x94\x4e\x82\xcc\x91\x53\x90\xb6\x93\x6b"
        "\x8a\xee\x96\x7b\x83\x66\x81\x5b\x83\x5e";
    EXPECT_EQ(driver.Prompts().Messages().back(), Notice("新規作成が終了しました。"));
    EXPECT_EQ(FolderContents(out),
              (std::map<std::string, std::string>{{"ZELCODB0.DAT", "old master\r\n"},
                                                  {"zelbas00.dat", SampleBaseFile(titleSjis)}}));
}

TEST_F(ExecuteChecks, ReadBackPastALimitStopsTheRequestAfterItsMessage) {
    MakeDir(scratch.Path() + "/out");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    // 51 bytes, set as the program would set it: typing cannot get past 50.
    driver.Dialog().SetDlgItemText(IDC_EDIT_DST_TITLE, std::string(51, 'x'));
    const std::vector<std::string> before = Tree();
    driver.Prompts().AnswerYes();
    Execute(driver);

    ASSERT_EQ(driver.Prompts().Messages().size(), 2U);
    const RecordedMessage& refusal = driver.Prompts().Messages()[1];
    EXPECT_EQ(refusal.caption, ApplicationName());
    EXPECT_NE(refusal.text.find("50バイト"), std::string::npos) << refusal.text;
    EXPECT_EQ(refusal.icon, MessageIcon::kWarning);
    EXPECT_EQ(FocusedItem(driver.Dialog()), IDC_EDIT_DST_TITLE);
    EXPECT_EQ(SelectedText(driver.Dialog(), IDC_EDIT_DST_TITLE), std::string(51, 'x'));
    EXPECT_EQ(Tree(), before);
}

TEST_F(ExecuteChecks, DestinationPastItsLimitIsQuietWhileTypingAndRefusedByExecute) {
    const std::string longBase = std::string("/") + std::string(250, 'd');
    DialogDriver driver(source + "/");
    driver.PickDestination(longBase);
    driver.Type(IDC_EDIT_NEWDIR, "2020abcd");

    EXPECT_EQ(driver.Text(IDC_EDIT_DST_DIR), longBase + kSeparator + "2020abcd");
    EXPECT_EQ(driver.Text(IDC_EDIT_NEWDIR), "2020abcd");
    EXPECT_TRUE(driver.Prompts().Messages().empty()) << "no message while typing";
    // The title, read back after the destination, is too long as well: the
    // destination is the one reported.
    driver.Dialog().SetDlgItemText(IDC_EDIT_DST_TITLE, std::string(51, 'x'));

    const std::vector<std::string> before = Tree();
    driver.Prompts().AnswerYes();
    Execute(driver);
    ASSERT_EQ(driver.Prompts().Messages().size(), 2U);
    EXPECT_NE(driver.Prompts().Messages()[1].text.find("256バイト"), std::string::npos);
    EXPECT_EQ(FocusedItem(driver.Dialog()), IDC_EDIT_DST_DIR);
    EXPECT_EQ(Tree(), before);
}

TEST_F(ExecuteChecks, FailuresOfSingleFilesAreListedUnderTheCompletionMessage) {
    // A folder in the destination where each file should go cannot be
    // replaced by a file.
    const std::vector<std::string> blocked{"ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT",
                                           "ZELTEAB0.DAT", "ZELROMB0.DAT", "ZELGRAB0.DAT",
                                           "ZELSBJB0.DAT", "ZELMEEB0.DAT", "ZELATRB0.DAT",
                                           "ZELATRB2.DAT", "ZELRULB0.DAT", "ZELEVTB0.DAT"};
    const std::string out = scratch.Path() + "/out";
    for (const std::string& name : blocked) {
        WriteBytes(source + "/" + name, name + "\r\n");
        MakeDir(out + "/" + name);
    }
    DialogDriver driver(source + "/");
    driver.PickDestination(out);
    driver.Click(IDC_RADIO_CARRYOVER);
    driver.Prompts().AnswerYes();
    Execute(driver);

    EXPECT_FALSE(WaitCursorShown()) << "the wait cursor is gone";
    ASSERT_EQ(driver.Prompts().Messages().size(), 2U);
    const RecordedMessage& done = driver.Prompts().Messages()[1];
    EXPECT_EQ(done.icon, MessageIcon::kWarning);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= done.text.size();) {
        const std::size_t end = std::min(done.text.find('\n', start), done.text.size());
        lines.push_back(done.text.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 1 + 1 + 1 + 10 + 1) << done.text;
    EXPECT_EQ(lines[0], "次年度繰り越しが終了しました。");
    EXPECT_EQ(lines[1], std::string());
    EXPECT_EQ(lines[2], "次のファイルは作成できませんでした。");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(lines[3 + i], blocked[i] + std::string("：作成できません"));
    }
    EXPECT_EQ(lines.back(), "ほか2件");
    EXPECT_EQ(ReadBytes(out + "/zelbas00.dat"), SampleBaseFile(kSampleTitleSjis))
        << "the other files are still written";
}

// Each failure's whole line, in the wording the README gives; copies and
// skips (absent, not a regular file) are not listed.
TEST(FailureList, EachFailureIsListedWithItsReason) {
    OperationReport report;
    const std::pair<FileStatus, const char*> rows[] = {
        {FileStatus::kCopied, nullptr},
        {FileStatus::kAbsent, nullptr},
        {FileStatus::kNotRegular, nullptr},
        {FileStatus::kPathTooLong, "パスが長すぎます"},
        {FileStatus::kSameFile, "コピー元と同じファイルです"},
        {FileStatus::kSourceUnreadable, "コピー元を読み込めません"},
        {FileStatus::kCreateFailed, "作成できません"},
        {FileStatus::kReadOnly, "読み取り専用です"},
        {FileStatus::kNameClash, "名前が別のファイルと重なります"},
        {FileStatus::kWriteFailed, "書き込みに失敗しました"},
        {FileStatus::kDiskFull, "ディスクの空き容量が足りません"},
        {FileStatus::kFolderUnreadable, "フォルダの内容を読み込めません"},
    };
    std::string expected = "次のファイルは作成できませんでした。";
    int n = 0;
    for (const auto& [status, reason] : rows) {
        const std::string name = "ZEL" + std::to_string(n++) + ".DAT";
        report.files.push_back(FileResult{name, status});
        if (reason != nullptr) {
            expected += "\n" + name + "：" + reason;
        }
    }
    EXPECT_EQ(DescribeFailures(report), expected);
}

// Each errno the creation of the new directory can fail with keeps its own
// reason.
TEST(FailureList, EachFolderErrorKeepsItsReason) {
    const std::pair<int, std::string> rows[] = {
        {ENOENT, "親のディレクトリがありません。"},
        {EEXIST, "同じ名前のファイルがあります。"},
        {ENOTDIR, "同じ名前のファイルがあります。"},  // a part of the path is a file
        {EACCES, "ディレクトリを作成する権限がありません。"},
        {EPERM, "ディレクトリを作成する権限がありません。"},
        {EROFS, "ディレクトリを作成する権限がありません。"},
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {ENAMETOOLONG, "ディレクトリ名が長すぎます。"},
        {EIO, "エラー番号 " + std::to_string(EIO)},
    };
    for (const auto& [error, reason] : rows) {
        EXPECT_EQ(DescribeFolderError(error), reason) << "errno " << error;
    }
}

TEST_F(ExecuteChecks, AbsentOptionalFilesAreNoFailures) {
    MakeDir(scratch.Path() + "/out");
    DialogDriver driver(source + "/");
    driver.PickDestination(scratch.Child("out"));
    driver.Click(IDC_RADIO_CARRYOVER);
    driver.Prompts().AnswerYes();
    Execute(driver);

    EXPECT_EQ(
        driver.Prompts().Messages(),
        (std::vector<RecordedMessage>{kConfirmStart, Notice("次年度繰り越しが終了しました。")}));
}

}  // namespace
