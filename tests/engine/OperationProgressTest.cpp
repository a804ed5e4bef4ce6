#include <atomic>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/DataFolder.h"
#include "engine/OperationProgress.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/TempFolder.h"

namespace {

// Everything the operation tells, as lines, and a stop that a test can set
// from anywhere.
class Recorder : public OperationProgress {
  public:
    void Planned(std::size_t files, std::uint64_t bytes) override {
        plannedFiles = files;
        plannedBytes = bytes;
    }
    void FileStarted(std::string_view name, std::uint64_t size) override {
        current = std::string(name);
        currentSize = size;
        done = 0;
        events.push_back("start " + current);
    }
    void FileAdvanced(std::uint64_t bytes) override {
        EXPECT_GE(bytes, done) << current;
        EXPECT_LE(bytes, currentSize) << current;
        done = bytes;
    }
    void FileEnded(const FileResult& result) override {
        events.push_back("end " + current);
        if (result.status == FileStatus::kCopied) {
            EXPECT_EQ(done, currentSize) << current;
            doneBytes += currentSize;
        }
        if (++ended == stopAfterEnded) {
            stop = true;
        }
    }
    bool StopRequested() override { return stop; }

    std::atomic<bool> stop = false;
    int stopAfterEnded = 0;
    int ended = 0;
    std::size_t plannedFiles = 0;
    std::uint64_t plannedBytes = 0;
    std::uint64_t doneBytes = 0;
    std::string current;
    std::uint64_t currentSize = 0;
    std::uint64_t done = 0;
    std::vector<std::string> events;
};

constexpr char kBig[] = "ZELCODB0.DAT";
// The base file and the files a backup copies, in its order.
const std::vector<std::string> kCopied = {"zelbas00.dat", kBig,    "ZELLCOB0.DAT",
                                          "ZELCLAB0.DAT", "A.ZEL", "B.ZEL"};

std::string BaseFile(const std::string& title) {
    std::string lines;
    for (int n = 1; n <= 26; ++n) {
        lines += (n == 23 ? title : "L" + std::to_string(n)) + "\r\n";
    }
    return lines;
}

// About 300 KB of lines, in text form (CR LF) or not (LF alone).
std::string BigFile(bool inTextForm) {
    std::string text;
    while (text.size() < std::size_t{300} * 1024) {
        text += "0123456789 record line of the big file";
        text += inTextForm ? "\r\n" : "\n";
    }
    return text;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char ch : text) {
        out += ch == '\n' && (out.empty() || out.back() != '\r') ? "\r\n" : std::string(1, ch);
    }
    return out;
}

class OperationProgressTest : public ::testing::Test {
  protected:
    void Fill(bool bigInTextForm) {
        src_.Write("ZELBAS00.DAT", BaseFile("old"));
        src_.Write(kBig, BigFile(bigInTextForm));
        for (const char* name : {"ZELLCOB0.DAT", "ZELCLAB0.DAT", "A.ZEL", "B.ZEL"}) {
            src_.Write(name, std::string(name) + "\n");
        }
    }

    std::string Copy(const std::string& name) const {
        return name == "zelbas00.dat" ? BaseFile("T") : WithCrLf(*src_.Read(name));
    }

    TempFolder src_;
    TempFolder dst_;
    NoWaitIndicator wait_;
};

TEST_F(OperationProgressTest, TellsThePlanThenEachFileAndReportsAsWithout) {
    Fill(false);
    TempFolder plain;
    OperationReport expected;
    RunOperation(wait_, KIND_BACKUP, src_.text(), plain.text(), "T", &expected);

    Recorder recorder;
    FaultFileSystem fs;
    fs.LimitReads(4096);
    OperationReport report;
    RunOperation(fs, wait_, recorder, KIND_BACKUP, src_.text(), dst_.text(), "T", &report);

    std::uint64_t bytes = 0;
    std::vector<std::string> events;
    for (const std::string& name : kCopied) {
        bytes += src_.Read(name == "zelbas00.dat" ? "ZELBAS00.DAT" : name)->size();
        const std::string source = name == "zelbas00.dat" ? "ZELBAS00.DAT" : name;
        events.insert(events.end(), {"start " + source, "end " + source});
    }
    EXPECT_EQ(recorder.plannedFiles, kCopied.size());
    EXPECT_EQ(recorder.plannedBytes, bytes);
    EXPECT_EQ(recorder.doneBytes, bytes);
    EXPECT_EQ(recorder.events, events);
    ASSERT_EQ(report.files.size(), expected.files.size());
    for (std::size_t i = 0; i < report.files.size(); ++i) {
        EXPECT_EQ(report.files[i].name, expected.files[i].name);
        EXPECT_EQ(report.files[i].status, expected.files[i].status) << report.files[i].name;
    }
}

enum class StopAt { kBeforeRun, kBetweenFiles, kReadingBigFile, kWritingBigFile };

struct StopCase {
    const char* name;
    StopAt at;
    bool bigInTextForm;   // the big file goes the system's copy where there is one
    bool oldDestination;  // the destination already holds an older big file
    std::size_t copied;   // files of kCopied copied before the stop
};

const StopCase kStopCases[] = {
    {"BeforeTheFirstFile", StopAt::kBeforeRun, false, true, 0},
    {"BetweenFiles", StopAt::kBetweenFiles, false, false, 3},
    {"InsideANewFileBeingTranslated", StopAt::kWritingBigFile, false, false, 1},
    {"InsideAReplacementBeingTranslated", StopAt::kWritingBigFile, false, true, 1},
    {"InsideAFileCheckedBeforeTheSystemCopiesIt", StopAt::kReadingBigFile, true, true, 1},
};

class StopTest : public OperationProgressTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, LeavesWhatWasNotCopiedAsItWasAndReportsItStopped) {
    const StopCase& test = GetParam();
    Fill(test.bigInTextForm);
    const std::string old = "old content\r\n";
    if (test.oldDestination) {
        dst_.Write(kBig, old);
    }
    Recorder recorder;
    recorder.stop = test.at == StopAt::kBeforeRun;
    recorder.stopAfterEnded = test.at == StopAt::kBetweenFiles ? 3 : 0;
    FaultFileSystem fs;
    fs.LimitReads(4096);
    // Stops once the big file is part-way through the named call.
    const auto stopInsideBigFile = [&](const std::string&) {
        if (recorder.current == kBig && recorder.done > 0) {
            recorder.stop = true;
        }
    };
    if (test.at == StopAt::kReadingBigFile) {
        fs.Plant({FsCall::kReadSome, 0, 0, 0, stopInsideBigFile});
    }
    if (test.at == StopAt::kWritingBigFile) {
        fs.Plant({FsCall::kWriteAll, 0, 0, 0, stopInsideBigFile});
    }
    OperationReport report;
    RunOperation(fs, wait_, recorder, KIND_BACKUP, src_.text(), dst_.text(), "T", &report);

    std::set<std::string> present;
    ASSERT_EQ(report.files.size(), kCopied.size());
    for (std::size_t i = 0; i < kCopied.size(); ++i) {
        const FileResult& row = report.files[i];
        EXPECT_EQ(row.name, kCopied[i]);
        if (i < test.copied) {
            EXPECT_EQ(row.status, FileStatus::kCopied) << row.name;
            EXPECT_EQ(dst_.Read(row.name), Copy(row.name)) << row.name;
            present.insert(row.name);
        } else {
            EXPECT_EQ(row.status, FileStatus::kStopped) << row.name;
        }
    }
    if (test.oldDestination) {
        EXPECT_EQ(dst_.Read(kBig), old);
        present.insert(kBig);
    }
    const std::vector<std::string> names = dst_.Names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), present);
}

INSTANTIATE_TEST_SUITE_P(Stops, StopTest, ::testing::ValuesIn(kStopCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
