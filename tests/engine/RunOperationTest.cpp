#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Catalogue.h"
#include "engine/DataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

class CountingIndicator : public WaitIndicator {
  public:
    void BeginWaitCursor() override { ++begun; }
    void EndWaitCursor() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

const std::vector<std::string> kMasterFiles = {
    "ZELCODB0.DAT", "ZELLCOB0.DAT", "ZELCLAB0.DAT", "ZELTEAB0.DAT", "ZELROMB0.DAT",
    "ZELGRAB0.DAT", "ZELSBJB0.DAT", "ZELMEEB0.DAT", "ZELATRB0.DAT", "ZELATRB2.DAT",
    "ZELRULB0.DAT", "ZELEVTB0.DAT", "ZELLESB0.DAT"};

const std::vector<std::string> kCarriedLayouts = {"ZELPRN1-000.DAT", "ZELPRN1-004.DAT",
                                                  "ZELPRN2-002.DAT", "ZELPRN17-002.DAT"};
const std::vector<std::string> kBackedUpLayouts = {"ZELPRN1-005.DAT", "ZELPRN2-003.DAT",
                                                   "ZELPRN17-003.DAT"};
const std::vector<std::string> kSelectionFiles = {"ZELPRN-SEL-01.DAT"};
const std::vector<std::string> kBackupOnly = {
    "ZELPIEB0.DAT", "ZELSPEB0.DAT", "ZELAFFB0.DAT", "A.ZEL", "B.ZE2", "C.SP1", "d.spa", "E.SKN"};
const std::vector<std::string> kVariantGroup = {"ZELSTDB0.DAT", "ZELCRSB0.DAT", "ZELSLLB0.DAT",
                                                "ZELSLCB0.DAT"};
const std::vector<std::string> kNeverCopied = {"NOTES.TXT", "ZELPRN18-000.DAT", "F.SP", "G.SPXX"};

std::string BaseFile(const std::string& title) {
    std::string lines;
    for (int n = 1; n <= 26; ++n) {
        lines += (n == 23 ? title : "B" + std::to_string(n)) + "\r\n";
    }
    return lines;
}

// The text every data file of the sample folder holds, and its copy.
std::string ContentOf(const std::string& name) {
    return name + "\ndata\n";
}
std::string CopyOf(const std::string& name) {
    return name + "\r\ndata\r\n";
}

class RunOperationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        src_.Write("ZELBAS00.DAT", BaseFile("old"));
        for (const auto* group : {&kMasterFiles, &kCarriedLayouts, &kBackedUpLayouts,
                                  &kSelectionFiles, &kBackupOnly, &kVariantGroup, &kNeverCopied}) {
            for (const std::string& name : *group) {
                src_.Write(name, ContentOf(name));
            }
        }
    }

    int Run(int kind, OperationReport* report = nullptr) {
        return RunOperation(indicator_, kind, src_.text(), dst_.text(), "new title", report);
    }

    // Asserts that dst holds exactly the base file and the copies of groups.
    void ExpectDestination(const std::vector<const std::vector<std::string>*>& groups) {
        std::set<std::string> expected = {"zelbas00.dat"};
        for (const auto* group : groups) {
            for (const std::string& name : *group) {
                expected.insert(name);
                EXPECT_EQ(dst_.Read(name), CopyOf(name)) << name;
            }
        }
        const std::vector<std::string> names = dst_.Names();
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
        EXPECT_EQ(dst_.Read("zelbas00.dat"), BaseFile("new title"));
    }

    TempFolder src_;
    TempFolder dst_;
    CountingIndicator indicator_;
};

TEST_F(RunOperationTest, CarryOverCopiesMastersFixedLayoutSheetsAndSelections) {
    EXPECT_EQ(Run(KIND_CARRY_OVER), 1);
    ExpectDestination({&kMasterFiles, &kCarriedLayouts, &kSelectionFiles});
}

TEST_F(RunOperationTest, BackupCopiesEveryLayoutSheetAndThePatterns) {
    EXPECT_EQ(Run(KIND_BACKUP), 1);
    ExpectDestination(
        {&kMasterFiles, &kCarriedLayouts, &kBackedUpLayouts, &kSelectionFiles, &kBackupOnly});
}

TEST_F(RunOperationTest, NewCreationRewritesOnlyTheBaseFile) {
    dst_.Write("ZELCODB0.DAT", "keep me");
    dst_.Write("ZELBAS00.DAT", BaseFile("previous"));
    EXPECT_EQ(Run(KIND_NEW), 1);
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"ZELBAS00.DAT", "ZELCODB0.DAT"}));
    EXPECT_EQ(dst_.Read("ZELBAS00.DAT"), BaseFile("new title"));
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "keep me");
}

TEST_F(RunOperationTest, TheVariantGroupIsCopiedOnlyForVariantTwo) {
    g_nVariant = 2;
    EXPECT_EQ(Run(KIND_CARRY_OVER), 1);
    g_nVariant = 0;
    ExpectDestination({&kMasterFiles, &kCarriedLayouts, &kSelectionFiles, &kVariantGroup});
}

TEST_F(RunOperationTest, OtherKindsWriteNothing) {
    for (int kind : {3, -1, 100}) {
        OperationReport report;
        report.files.push_back({"stale", FileStatus::kCopied, 0});
        CountingIndicator indicator;
        EXPECT_EQ(RunOperation(indicator, kind, src_.text(), dst_.text(), "t", &report), 0) << kind;
        EXPECT_EQ(indicator.begun, 1) << kind;
        EXPECT_EQ(indicator.ended, 1) << kind;
        EXPECT_TRUE(report.files.empty()) << kind;
    }
    EXPECT_TRUE(dst_.Names().empty());
}

TEST_F(RunOperationTest, TheWaitIndicatorIsShownOncePerCall) {
    for (int kind : {KIND_NEW, KIND_CARRY_OVER, KIND_BACKUP}) {
        CountingIndicator indicator;
        EXPECT_EQ(RunOperation(indicator, kind, src_.text(), dst_.text(), "t"), 1) << kind;
        EXPECT_EQ(indicator.begun, 1) << kind;
        EXPECT_EQ(indicator.ended, 1) << kind;
    }
}

TEST_F(RunOperationTest, ReportListsEveryFileInCatalogueOrder) {
    TempFolder src;
    src.Write("zelbas00.dat", BaseFile("x"));
    src.Write("ZELLCOB0.DAT", "l\n");
    src.Write("b.spa", "b\n");
    src.Write("A.SP1", "a\n");
    OperationReport report;
    EXPECT_EQ(RunOperation(indicator_, KIND_BACKUP, src.text(), dst_.text(), "t", &report), 1);
    // base, 13 masters, 2 by name, 1 + 17 + 1 patterns, "*.ZEL", "*.ZE2", two "*.SP?" files,
    // "*.SKN".
    ASSERT_EQ(report.files.size(), 1u + 13 + 2 + 19 + 2 + 2 + 1);
    EXPECT_EQ(report.files[0].name, "zelbas00.dat");
    EXPECT_EQ(report.files[0].status, FileStatus::kCopied);
    EXPECT_EQ(report.files[1].name, "ZELCODB0.DAT");
    EXPECT_EQ(report.files[1].status, FileStatus::kAbsent);
    EXPECT_EQ(report.files[2].name, "ZELLCOB0.DAT");
    EXPECT_EQ(report.files[2].status, FileStatus::kCopied);
    EXPECT_EQ(report.files[16].name, "ZELAFFB0.DAT");
    EXPECT_EQ(report.files[17].name, "ZELPRN1-*.DAT");
    EXPECT_EQ(report.files[17].status, FileStatus::kAbsent);
    const std::size_t sp = report.files.size() - 3;
    EXPECT_EQ(report.files[sp].name, "A.SP1");
    EXPECT_EQ(report.files[sp].status, FileStatus::kCopied);
    EXPECT_EQ(report.files[sp + 1].name, "b.spa");
    EXPECT_EQ(report.files[sp + 2].name, "*.SKN");
    EXPECT_FALSE(report.HasFailures());
    EXPECT_TRUE(report.Failures().empty());
}

TEST_F(RunOperationTest, CarryOverReportHasOneRowPerCatalogueName) {
    OperationReport report;
    EXPECT_EQ(Run(KIND_CARRY_OVER, &report), 1);
    // base, 13 masters, 59 layout sheets, the selection pattern's one match.
    EXPECT_EQ(report.files.size(), 1u + 13 + 59 + 1);
    EXPECT_FALSE(report.HasFailures());
}

TEST_F(RunOperationTest, FailuresAreReportedAndTheOtherStepsStillRun) {
    src_.MakeFolder("X.ZEL");
    dst_.MakeFolder("ZELCODB0.DAT");
    dst_.Write("ZELLCOB0.DAT", "old");
    OperationReport report;
    EXPECT_EQ(Run(KIND_BACKUP, &report), 1);
    const auto failures = report.Failures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].name, "ZELCODB0.DAT");
    EXPECT_EQ(failures[0].status, FileStatus::kCreateFailed);
    EXPECT_EQ(failures[0].systemError, EISDIR);
    EXPECT_EQ(dst_.Read("ZELLCOB0.DAT"), CopyOf("ZELLCOB0.DAT"));
    bool sawFolder = false;
    for (const FileResult& row : report.files) {
        sawFolder |= row.name == "X.ZEL" && row.status == FileStatus::kNotRegular;
    }
    EXPECT_TRUE(sawFolder);
}

TEST_F(RunOperationTest, MissingBaseFileIsAFailureButTheCopiesRun) {
    ASSERT_TRUE(std::filesystem::remove(src_.path() / "ZELBAS00.DAT"));
    OperationReport report;
    EXPECT_EQ(Run(KIND_CARRY_OVER, &report), 1);
    ASSERT_FALSE(report.files.empty());
    EXPECT_EQ(report.files[0].status, FileStatus::kSourceUnreadable);
    EXPECT_EQ(report.files[0].systemError, ENOENT);
    EXPECT_EQ(report.Failures().size(), 1u);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), CopyOf("ZELCODB0.DAT"));
    EXPECT_FALSE(dst_.Exists("zelbas00.dat"));
}

TEST_F(RunOperationTest, MissingDestinationFolderFailsEveryPresentFile) {
    OperationReport report;
    EXPECT_EQ(
        RunOperation(indicator_, KIND_CARRY_OVER, src_.text(), dst_.text() + "none/", "t", &report),
        1);
    for (const FileResult& row : report.files) {
        EXPECT_TRUE(row.status == FileStatus::kCreateFailed || row.status == FileStatus::kAbsent)
            << row.name;
    }
    EXPECT_EQ(report.Failures().size(), 1u + kMasterFiles.size() + kCarriedLayouts.size() + 1);
    EXPECT_EQ(report.Failures()[0].systemError, ENOENT);
}

TEST_F(RunOperationTest, SameFolderIsRefusedFileByFile) {
    const auto before = src_.Names();
    OperationReport report;
    EXPECT_EQ(RunOperation(indicator_, KIND_BACKUP, src_.text(), src_.text(), "t", &report), 1);
    for (const FileResult& row : report.files) {
        EXPECT_TRUE(row.status == FileStatus::kSameFile || row.status == FileStatus::kAbsent)
            << row.name;
    }
    EXPECT_EQ(src_.Names(), before);
    EXPECT_EQ(src_.Read("ZELBAS00.DAT"), BaseFile("old"));
    EXPECT_EQ(src_.Read("A.ZEL"), ContentOf("A.ZEL"));
}

TEST_F(RunOperationTest, NamesDifferingOnlyInCaseGiveTheSameChoiceEveryRun) {
    if (src_.FoldsCase()) {
        GTEST_SKIP() << kFoldsCase;
    }
    TempFolder src;
    src.Write("ZELBAS00.DAT", BaseFile("x"));
    src.Write("zelcodb0.dat", "lower\n");
    src.Write("ZelCodB0.Dat", "mixed\n");
    src.Write("q.zel", "lower\n");
    src.Write("Q.ZEL", "upper\n");
    for (int run = 0; run < 2; ++run) {
        TempFolder dst;
        dst.Write("ZELBAS00.DAT", "old");
        EXPECT_EQ(RunOperation(indicator_, KIND_BACKUP, src.text(), dst.text(), "t"), 1);
        EXPECT_EQ(dst.Names(), (std::vector<std::string>{"Q.ZEL", "ZELBAS00.DAT", "ZELCODB0.DAT"}))
            << "run " << run;
        // "ZelCodB0.Dat" sorts before "zelcodb0.dat".
        EXPECT_EQ(dst.Read("ZELCODB0.DAT"), "mixed\r\n") << "run " << run;
        EXPECT_EQ(dst.Read("Q.ZEL"), "upper\r\n") << "run " << run;
    }
}

TEST_F(RunOperationTest, AStrayTemporaryIsNeverCopied) {
    src_.Write(".~fileutility-Ab12Cd.tmp", "half written");
    EXPECT_EQ(Run(KIND_BACKUP), 1);
    EXPECT_FALSE(dst_.Exists(".~fileutility-Ab12Cd.tmp"));
}

}  // namespace
