// Folder texts and file names: one folder or one file reached by two names,
// names that differ only in letter case, wildcard edges and paths over the
// length limit. Nothing may be copied onto itself, and every choice must be
// the documented one, whatever order the folder lists its entries in.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CaseName.h"
#include "Medium.h"
#include "Mount.h"
#include "ReportRows.h"
#include "SampleText.h"
#include "Scratch.h"
#include "engine/DataFolder.h"

namespace {

using Files = std::map<std::string, std::string>;  // name -> content

// Every file of folder with its content.
Files Contents(const std::string& folder) {
    Files files;
    for (const std::string& name : ListNames(folder)) {
        files[name] = ReadBytes(folder + name);
    }
    return files;
}

// Writes files into folder, in the map's order or the reverse, so that a
// folder's listing order cannot decide a choice.
void WriteFiles(const std::string& folder, const Files& files, bool reversed = false) {
    if (reversed) {
        for (auto it = files.rbegin(); it != files.rend(); ++it) {
            WriteBytes(folder + it->first, it->second);
        }
    } else {
        for (const auto& [name, content] : files) {
            WriteBytes(folder + name, content);
        }
    }
}

std::string Names(const Files& files) {
    std::string text;
    for (const auto& entry : files) {
        text += " [" + entry.first + "]";
    }
    return text;
}

class FolderNames : public ::testing::Test {
  protected:
    void SetUp() override {
        src_ = scratch_.Folder("src");
        WriteFiles(src_, {{"ZELBAS00.DAT", BaseFileText("SOURCE")},
                          {"ZELCODB0.DAT", CrLfText("first", 3000)},
                          {"ZELLCOB0.DAT", CrLfText("second", 3000)},
                          {"X.ZEL", CrLfText("pattern", 100)}});
    }

    Scratch scratch_;
    std::string src_;
    std::optional<Mount> bind_;
    std::optional<Medium> route_;
};

// One folder written another way: IsSameFolder must see through it (the
// dialog refuses the operation on that), and where the form is a folder text
// the engine takes (ending in "/"), an operation onto it must refuse every
// file as the same file and write nothing.
// How the second name reaches root/src: a path, a bind mount (same
// identity), or a route that gives it another identity: a bindfs mirror, an
// overlay whose upper folder is src.
enum class Route { kPath, kBindMount, kMirror, kOverlay };

struct SameFolderCase {
    const char* name;
    std::string (*form)(const std::string& root);  // the second name of root/src
    bool folderText;                               // ends in "/": files are reached as form + name
    Route route;
};

class SameFolder : public FolderNames, public ::testing::WithParamInterface<SameFolderCase> {};

TEST_P(SameFolder, IsRecognisedAndRefusedBeforeAnyWrite) {
    const SameFolderCase& c = GetParam();
    if (c.route == Route::kBindMount) {
        bind_.emplace(Mount::Bind(src_, scratch_.Folder("bind")));
        if (!bind_->Ok()) {
            GTEST_SKIP() << bind_->Error();
        }
    } else if (c.route == Route::kMirror) {
        route_.emplace(Medium::Mirror(src_, scratch_.Folder("mirror")));
    } else if (c.route == Route::kOverlay) {
        route_.emplace(Medium::Overlay(scratch_.Folder("lower"), src_, scratch_.Folder("work"),
                                       scratch_.Folder("merged")));
    }
    if (route_ && !route_->Ok()) {
        GTEST_SKIP() << route_->Error();
    }
    const std::string other = c.form(scratch_.Path());
    if (c.route == Route::kPath) {
        scratch_.Folder("dst");
        ASSERT_EQ(symlink((scratch_.Path() + "/src").c_str(), (scratch_.Path() + "/link").c_str()),
                  0);
    }
    const Files before = Contents(src_);

    EXPECT_EQ(IsSameFolder(src_, other), 1) << c.name << ": " << other;
    EXPECT_EQ(IsSameFolder(other, src_), 1) << c.name << ": " << other;
    if (!c.folderText) {
        return;
    }
    const std::vector<ReportRow> rows = RunAndReport(KIND_BACKUP, src_, other, "NEW");

    EXPECT_EQ(Contents(src_), before) << c.name << ": the source changed;" << Names(Contents(src_));
    for (const char* name : {"ZELCODB0.DAT", "ZELLCOB0.DAT", "X.ZEL"}) {
        EXPECT_EQ(FindRow(rows, name).status, "kSameFile") << c.name << ": " << name << "\n"
                                                           << Describe(rows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FolderName, SameFolder,
    ::testing::Values(
        SameFolderCase{"NoTrailingSlash", [](const std::string& r) { return r + "/src"; }, false,
                       Route::kPath},
        SameFolderCase{"DotFolder", [](const std::string& r) { return r + "/src/."; }, false,
                       Route::kPath},
        SameFolderCase{"DotFolderSlash", [](const std::string& r) { return r + "/src/./"; }, true,
                       Route::kPath},
        SameFolderCase{"DoubleSlash", [](const std::string& r) { return r + "/src//"; }, true,
                       Route::kPath},
        SameFolderCase{"DotDot", [](const std::string& r) { return r + "/dst/../src/"; }, true,
                       Route::kPath},
        SameFolderCase{"SymbolicLink", [](const std::string& r) { return r + "/link/"; }, true,
                       Route::kPath},
        SameFolderCase{"BindMount", [](const std::string& r) { return r + "/bind/"; }, true,
                       Route::kBindMount},
        SameFolderCase{"BindfsMirror", [](const std::string& r) { return r + "/mirror/"; }, true,
                       Route::kMirror},
        SameFolderCase{"OverlayOfTheFolder", [](const std::string& r) { return r + "/merged/"; },
                       true, Route::kOverlay}),
    CaseName());

TEST_F(FolderNames, DifferentOrMissingFoldersAreNotTheSame) {
    const std::string root = scratch_.Path();
    scratch_.Folder("src2");
    const struct {
        std::string a, b;
    } cases[] = {
        {src_, root + "/src2/"},                         // a prefix of the other's name
        {src_, root + "/"},                              // the parent
        {src_, root + "/missing/"},                      // one missing
        {root + "/missing/", root + "/missing/"},        // the same text, but no folder
        {src_ + "ZELCODB0.DAT", src_ + "ZELCODB0.DAT"},  // a file, not a folder
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSameFolder(c.a, c.b), 0) << c.a << " vs " << c.b;
    }
}

// One file reached from the destination by a link: refused as the same file,
// the source untouched, the other files still copied.
struct SameFileCase {
    const char* name;
    const char* linkName;  // the destination entry made to reach src/ZELCODB0.DAT
    bool hardLink;
};

class SameFile : public FolderNames, public ::testing::WithParamInterface<SameFileCase> {};

TEST_P(SameFile, IsRefusedAndTheSourceKept) {
    const SameFileCase& c = GetParam();
    const std::string dst = scratch_.Folder("dst");
    const std::string target = src_ + "ZELCODB0.DAT";
    const std::string link = dst + c.linkName;
    ASSERT_EQ(
        c.hardLink ? ::link(target.c_str(), link.c_str()) : symlink(target.c_str(), link.c_str()),
        0);
    const std::string before = ReadBytes(target);

    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src_, dst), 0) << c.name;
    const std::vector<ReportRow> rows = RunAndReport(KIND_CARRY_OVER, src_, dst, "NEW");

    EXPECT_EQ(ReadBytes(target), before) << c.name;
    EXPECT_EQ(FindRow(rows, "ZELCODB0.DAT").status, "kSameFile") << c.name << "\n"
                                                                 << Describe(rows);
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0) << c.name;
    EXPECT_EQ(S_ISLNK(info.st_mode), !c.hardLink) << c.name << ": the link was replaced";
    EXPECT_EQ(ReadBytes(dst + "ZELLCOB0.DAT"), ReadBytes(src_ + "ZELLCOB0.DAT")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(FolderName, SameFile,
                         ::testing::Values(SameFileCase{"HardLink", "ZELCODB0.DAT", true},
                                           SameFileCase{"SymbolicLink", "ZELCODB0.DAT", false},
                                           SameFileCase{"SymbolicLinkOtherCase", "zelcodb0.dat",
                                                        false}),
                         CaseName());

// Names that differ only in letter case: the exact-case entry wins, else the
// first in byte order; a missing destination file takes the catalogue's case,
// an existing one is rewritten under its own name.
struct CaseNamesCase {
    const char* name;
    Files src;  // beside the base file
    Files dstBefore;
    Files dstAfter;  // beside the new base file
};

class CaseNames : public ::testing::TestWithParam<CaseNamesCase> {};

TEST_P(CaseNames, MakeTheDocumentedChoiceInEitherListingOrder) {
    const CaseNamesCase& c = GetParam();
    for (const bool reversed : {false, true}) {
        Scratch scratch;
        const std::string src = scratch.Folder("src");
        const std::string dst = scratch.Folder("dst");
        WriteBytes(src + "ZELBAS00.DAT", BaseFileText("SOURCE"));
        WriteFiles(src, c.src, reversed);
        WriteFiles(dst, c.dstBefore, reversed);

        RunAndReport(KIND_BACKUP, src, dst, "NEW");

        Files expected = c.dstAfter;
        if (expected.count("ZELBAS00.DAT") == 0) {
            expected["zelbas00.dat"] = BaseFileText("NEW");
        }
        EXPECT_EQ(Contents(dst), expected) << c.name << (reversed ? " (made in reverse order)" : "")
                                           << ":" << Names(Contents(dst));
    }
}

INSTANTIATE_TEST_SUITE_P(
    FolderName, CaseNames,
    ::testing::Values(
        CaseNamesCase{"SourceExactCaseWins",
                      {{"ZELCODB0.DAT", "upper\r\n"}, {"zelcodb0.dat", "lower\r\n"}},
                      {},
                      {{"ZELCODB0.DAT", "upper\r\n"}}},
        CaseNamesCase{"SourceFirstInByteOrderWins",
                      {{"zelcodb0.dat", "lower\r\n"}, {"Zelcodb0.dat", "capital\r\n"}},
                      {},
                      {{"ZELCODB0.DAT", "capital\r\n"}}},
        CaseNamesCase{"DestinationKeepsItsOwnName",
                      {{"ZELCODB0.DAT", "new\r\n"}},
                      {{"zelcodb0.dat", "old\r\n"}},
                      {{"zelcodb0.dat", "new\r\n"}}},
        CaseNamesCase{"DestinationExactCaseIsRewritten",
                      {{"ZELCODB0.DAT", "new\r\n"}},
                      {{"ZELCODB0.DAT", "old\r\n"}, {"zelcodb0.dat", "other\r\n"}},
                      {{"ZELCODB0.DAT", "new\r\n"}, {"zelcodb0.dat", "other\r\n"}}},
        CaseNamesCase{"PatternCopiesFirstInByteOrder",
                      {{"a.zel", "lower\r\n"}, {"A.ZEL", "upper\r\n"}, {"b.Zel", "other\r\n"}},
                      {},
                      {{"A.ZEL", "upper\r\n"}, {"b.Zel", "other\r\n"}}},
        CaseNamesCase{"BaseFileKeepsItsOwnName",
                      {},
                      {{"ZELBAS00.DAT", "old\r\n"}},
                      {{"ZELBAS00.DAT", BaseFileText("NEW")}}}),
    CaseName());

// Wildcards: "*" any run (also none), "?" exactly one character, letters
// folded; the names found pass to the destination byte for byte.
struct WildcardCase {
    const char* name;
    const char* pattern;
    std::vector<std::string> present;
    std::vector<std::string> copied;  // sorted bytewise
};

class Wildcards : public ::testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcards, CopyExactlyTheMatchingNames) {
    const WildcardCase& c = GetParam();
    Scratch scratch;
    const std::string src = scratch.Folder("src");
    const std::string dst = scratch.Folder("dst");
    for (const std::string& name : c.present) {
        ASSERT_TRUE(WriteBytes(src + name, name + "\r\n"));
    }

    EXPECT_EQ(CopyDataFiles(c.pattern, src, dst), c.copied.empty() ? 0 : 1) << c.name;

    EXPECT_EQ(ListNames(dst), c.copied) << c.name << ": " << c.pattern;
    for (const std::string& name : c.copied) {
        EXPECT_EQ(ReadBytes(dst + name), name + "\r\n") << c.name << ": " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FolderName, Wildcards,
    ::testing::Values(WildcardCase{"QuestionMarkIsOneCharacter",
                                   "*.SP?",
                                   {"x.sp", "x.SPXX", ".spx", "x.spx.bak", "\xff.sp1", "X.SPA",
                                    "a.b.Sp2"},
                                   {".spx", "X.SPA", "a.b.Sp2", "\xff.sp1"}},
                      WildcardCase{"StarMayBeEmptyButKeepsTheDash",
                                   "ZELPRN1-*.DAT",
                                   {"ZELPRN1-000.DAT", "zelprn1-005.dat", "ZELPRN10-000.DAT",
                                    "ZELPRN1-.DAT", "ZELPRN1-000.DAT.BAK", "ZELPRN1000.DAT"},
                                   {"ZELPRN1-.DAT", "ZELPRN1-000.DAT", "zelprn1-005.dat"}},
                      WildcardCase{"NoWildcardIsOneName",
                                   "ZELAFFB0.DAT",
                                   {"zelaffb0.dat", "ZELAFFB0.DAT.OLD", "XZELAFFB0.DAT"},
                                   {"zelaffb0.dat"}},
                      WildcardCase{"NothingMatches", "*.SKN", {"x.skn.txt", "skn", "x.sk"}, {}}),
    CaseName());

// Folder text + name over kMaxPathBytes is refused, never cut; at the limit
// it is copied.
struct LongPathCase {
    const char* name;
    bool longSource;  // else the destination's folder text is the long one
};

class LongPath : public FolderNames, public ::testing::WithParamInterface<LongPathCase> {};

// A folder text (with its trailing "/") of exactly length bytes, made of
// nested folders below the scratch folder.
std::string FolderOfLength(const Scratch& scratch, std::size_t length) {
    std::size_t left = length - scratch.Path().size() - 2;  // less the two separators
    std::string relative;
    while (left > 0) {
        std::size_t segment = std::min<std::size_t>(left, 60);
        if (left - segment == 1) {
            --segment;  // a separator must not end the text
        }
        relative += std::string(segment, 'd');
        left -= segment;
        if (left > 0) {
            relative += '/';
            --left;
        }
    }
    return scratch.Folder(relative);
}

TEST_P(LongPath, IsRefusedNeverCut) {
    const LongPathCase& c = GetParam();
    // ZELCODB0.DAT (12 bytes) reaches exactly the limit; ZELPRN1-000.DAT (15) is over it.
    const std::string longFolder = FolderOfLength(scratch_, kMaxPathBytes - 12);
    ASSERT_EQ(longFolder.size(), kMaxPathBytes - 12);
    std::string src = src_;
    std::string dst = longFolder;
    if (c.longSource) {
        src = longFolder;
        dst = scratch_.Folder("dst");
        WriteFiles(src, Contents(src_));
    }
    WriteBytes(src + "ZELPRN1-000.DAT", CrLfText("layout", 100));

    const std::vector<ReportRow> rows = RunAndReport(KIND_CARRY_OVER, src, dst, "NEW");

    EXPECT_EQ(FindRow(rows, "ZELPRN1-000.DAT").status, "kPathTooLong") << c.name << "\n"
                                                                       << Describe(rows);
    EXPECT_EQ(FindRow(rows, "ZELCODB0.DAT").status, "kCopied") << c.name << "\n" << Describe(rows);
    EXPECT_EQ(ReadBytes(dst + "ZELCODB0.DAT"), ReadBytes(src + "ZELCODB0.DAT")) << c.name;
    for (const std::string& name : ListNames(dst)) {
        EXPECT_EQ(name.find("ZELPRN"), std::string::npos) << c.name << ": " << name << " written";
    }
}

INSTANTIATE_TEST_SUITE_P(FolderName, LongPath,
                         ::testing::Values(LongPathCase{"LongSource", true},
                                           LongPathCase{"LongDestination", false}),
                         CaseName());

}  // namespace
