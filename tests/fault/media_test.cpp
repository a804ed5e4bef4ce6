// The media school staff back up to: FAT, exFAT (also mounted for everyone,
// as a shared stick is) and NTFS sticks through the FUSE drivers that read
// them here, each on a loop image. A backup and a second one over it must
// copy every file byte for byte, keep the names the stick stores, never let
// two source files end in one file unreported, and leave nothing unwritten
// on the image when the run returns, so that the stick may be pulled out at
// the completion message.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "CaseName.h"
#include "Command.h"
#include "Driver.h"
#include "Medium.h"
#include "SampleText.h"
#include "Scratch.h"
#include "engine/DataFolder.h"

namespace {

constexpr const char* kNobody = "65534";
const std::string kWideA = "\xE6\x88\x90\xE7\xB8\xBE\xEF\xBC\xA1.ZEL";       // 成績Ａ.ZEL
const std::string kWideLowerA = "\xE6\x88\x90\xE7\xB8\xBE\xEF\xBD\x81.ZEL";  // 成績ａ.ZEL

// What the copy of a source file holds: every lone LF as CR LF, up to 0x1A.
std::string CopyOf(const std::string& source) {
    std::string copy;
    for (const char byte : source.substr(0, source.find('\x1A'))) {
        copy +=
            byte == '\n' && (copy.empty() || copy.back() != '\r') ? "\r\n" : std::string(1, byte);
    }
    return copy;
}

std::string FoldedAToZ(std::string name) {
    for (char& c : name) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return name;
}

// The destination's entry for name, found as the engine finds it.
std::string StoredName(const std::string& folder, const std::string& name) {
    const std::vector<std::string> names = ListNames(folder);
    const auto exact = std::find(names.begin(), names.end(), name);
    if (exact != names.end()) {
        return *exact;
    }
    const auto folded = std::find_if(names.begin(), names.end(), [&](const std::string& entry) {
        return FoldedAToZ(entry) == FoldedAToZ(name);
    });
    return folded != names.end() ? *folded : name;
}

struct MediumCase {
    const char* name;
    Medium::Kind kind;
    bool otherUser;      // the backup runs as another user than the mount's owner
    bool japaneseNames;  // the driver can name files in Japanese (fusefat cannot)
};

class Media : public ::testing::TestWithParam<MediumCase> {
  protected:
    void SetUp() override {
        ASSERT_EQ(chmod(scratch_.Path().c_str(), 0755), 0);
        src_ = scratch_.Folder("src");
        dst_ = scratch_.Folder("stick");
        medium_.emplace(Medium::Image(GetParam().kind, scratch_.Path() + "/stick.img", dst_));
        if (!medium_->Ok()) {
            GTEST_SKIP() << medium_->Error();
        }
        sources_ = {{"ZELBAS00.DAT", BaseFileText("SOURCE")},
                    {"ZELCODB0.DAT", CrLfText("in text form", 300000)},
                    {"ZELLCOB0.DAT",
                     "lone\nline ends\n\x1A"
                     "after the end"},
                    {kWideA, "full-width capital\n"},
                    {kWideLowerA, "full-width small\n"}};
        for (const auto& [name, bytes] : sources_) {
            ASSERT_TRUE(WriteBytes(src_ + name, bytes));
        }
        ASSERT_TRUE(WriteBytes(dst_ + "zelcodb0.dat", "older, spelt in small letters\r\n"));
    }

    DriverRun Backup() const {
        std::vector<std::string> prefix;
        if (GetParam().otherUser) {
            prefix = {"setpriv", std::string("--reuid=") + kNobody,
                      std::string("--regid=") + kNobody, "--clear-groups"};
        }
        return RunDriver(prefix, RunArgs(KIND_BACKUP, src_, dst_, "NEW"), 120);
    }

    Scratch scratch_;
    std::string src_;
    std::string dst_;
    std::vector<std::pair<std::string, std::string>> sources_;
    std::optional<Medium> medium_;  // unmounted before scratch_ is removed
};

TEST_P(Media, EveryBackupKeepsEveryPromise) {
    for (const char* run : {"first backup", "second backup, over the first"}) {
        const DriverRun backup = Backup();
        const long dirty = medium_->DirtyPages();
        if (GetParam().otherUser && !backup.finished &&
            backup.command.err.find("execute") != std::string::npos) {
            GTEST_SKIP() << "the driver cannot be run as user " << kNobody << ": "
                         << backup.command.err;
        }
        ASSERT_TRUE(backup.finished) << run << "\n" << backup.Describe();
        EXPECT_EQ(dirty == -1 ? 0 : dirty, 0) << run << ": pages of the stick still unwritten";
        bool oneOfTheWideNames = false;
        for (const auto& [name, bytes] : sources_) {
            const ReportRow row = backup.Row(name == "ZELBAS00.DAT" ? "zelbas00.dat" : name);
            const std::string stored = StoredName(dst_, name);
            if (!GetParam().japaneseNames && (name == kWideA || name == kWideLowerA)) {
                // Refused by the driver: reported, and nothing left under it.
                EXPECT_EQ(row.status, "kWriteFailed") << run << ": " << name;
                EXPECT_EQ(ReadBytes(dst_ + name), "<missing>") << run << ": " << name;
                continue;
            }
            if (row.status == "kNameClash") {
                // The other full-width name was written first and is kept.
                EXPECT_EQ(ReadBytes(dst_ + stored), CopyOf(sources_[3].second)) << run;
                EXPECT_EQ(name, kWideLowerA) << run;
                oneOfTheWideNames = true;
                continue;
            }
            EXPECT_EQ(row.status, "kCopied") << run << ": " << name << "\n" << backup.Describe();
            if (name != "ZELBAS00.DAT") {
                EXPECT_EQ(ReadBytes(dst_ + stored), CopyOf(bytes)) << run << ": " << name;
            }
        }
        const std::vector<std::string> names = ListNames(dst_);
        EXPECT_EQ(std::count(names.begin(), names.end(), "zelcodb0.dat"), 1)
            << run << ": the spelling the stick stores is kept";
        EXPECT_EQ(std::count(names.begin(), names.end(), "ZELCODB0.DAT"), 0) << run;
        const std::size_t expected = !GetParam().japaneseNames ? 3 : oneOfTheWideNames ? 4 : 5;
        EXPECT_EQ(names.size(), expected) << run << ": a temporary left?";
    }
}

INSTANTIATE_TEST_SUITE_P(Media, Media,
                         ::testing::Values(MediumCase{"Fat", Medium::Kind::kFat, false, false},
                                           MediumCase{"ExFat", Medium::Kind::kExFat, false, true},
                                           MediumCase{"ExFatForEveryone",
                                                      Medium::Kind::kExFatForEveryone, true, true},
                                           MediumCase{"Ntfs", Medium::Kind::kNtfs, false, true}),
                         CaseName());

// A file marked read-only on Windows keeps its owner write bit on an NTFS
// stick; it stays as Windows would keep it, and says why.
TEST(NtfsStick, AFileMarkedReadOnlyOnWindowsIsKept) {
    Scratch scratch;
    const std::string src = scratch.Folder("src");
    const std::string dst = scratch.Folder("stick");
    const Medium medium = Medium::Image(Medium::Kind::kNtfs, scratch.Path() + "/stick.img", dst);
    if (!medium.Ok()) {
        GTEST_SKIP() << medium.Error();
    }
    if (!HaveProgram("setfattr")) {
        GTEST_SKIP() << "setfattr (attr) is not installed";
    }
    ASSERT_TRUE(WriteBytes(src + "ZELBAS00.DAT", BaseFileText("SOURCE")));
    ASSERT_TRUE(WriteBytes(src + "ZELLCOB0.DAT", "new\n"));
    ASSERT_TRUE(WriteBytes(dst + "ZELLCOB0.DAT", "marked read-only on Windows\r\n"));
    const CommandResult mark = RunCommand(
        {"setfattr", "-n", "system.ntfs_attrib_be", "-v", "0x00000001", dst + "ZELLCOB0.DAT"});
    ASSERT_EQ(mark.exitCode, 0) << mark.err;
    const DriverRun backup = RunDriver({}, RunArgs(KIND_CARRY_OVER, src, dst, "NEW"));
    ASSERT_TRUE(backup.finished) << backup.Describe();
    EXPECT_EQ(backup.Row("ZELLCOB0.DAT").status, "kReadOnly") << backup.Describe();
    EXPECT_EQ(ReadBytes(dst + "ZELLCOB0.DAT"), "marked read-only on Windows\r\n");
    EXPECT_EQ(backup.Row("zelbas00.dat").status, "kCopied");
}

}  // namespace
