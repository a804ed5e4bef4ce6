#include "SampleData.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "SampleError.h"
#include "SampleLines.h"
#include "SampleRandom.h"

namespace {

enum class LineEnds { kCrLf, kLf, kMixed };

// How the lines of one file are made.
struct FileShape {
    LineKind kind;
    LineEnds ends;
    bool endMark = false;       // the data ends at a byte 0x1A, stale bytes follow
    bool openLastLine = false;  // the last line has no line end
};

struct PlannedFile {
    std::string name;
    FileShape shape;
    unsigned weight;  // share of the folder's size
};

// Stale bytes after an end mark: a few old records, as an editor of the DOS
// era left them.
constexpr std::uint64_t kMaxStaleBytes = 2048;

constexpr std::size_t kFlushBytes = 1 << 20;

// Buffered binary output of one file that remembers whether every write
// succeeded.
class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& path)
        : file_(std::fopen(path.c_str(), "wb")) {}
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }

    bool IsOpen() const { return file_ != nullptr; }
    std::uint64_t Size() const { return flushed_ + buffer_.size(); }

    void Write(std::string_view bytes) {
        buffer_ += bytes;
        if (buffer_.size() >= kFlushBytes) {
            Flush();
        }
    }

    // Returns true when every byte reached the file and it closed cleanly.
    bool Close() {
        Flush();
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok_ && closed;
    }

  private:
    void Flush() {
        ok_ = ok_ && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
        flushed_ += buffer_.size();
        buffer_.clear();
    }

    std::FILE* file_;
    std::string buffer_;
    std::uint64_t flushed_ = 0;
    bool ok_ = true;
};

std::string_view LineEnd(LineEnds ends, SampleRandom& random) {
    switch (ends) {
        case LineEnds::kCrLf:
            return "\r\n";
        case LineEnds::kLf:
            return "\n";
        case LineEnds::kMixed:
            return random.Below(4) == 0 ? "\n" : "\r\n";
    }
    return "\r\n";
}

// Writes record lines of shape until budget bytes are written or at most two
// short of it. The last line pads with '#' so that sizes come out as asked.
void WriteLines(OutputFile& out, const FileShape& shape, std::uint64_t budget,
                SampleRandom& random) {
    for (std::uint64_t index = 0; budget > 0; ++index) {
        const std::string line = SampleLine(shape.kind, index, random);
        const std::string_view end = LineEnd(shape.ends, random);
        if (line.size() + end.size() < budget) {
            out.Write(line);
            out.Write(end);
            budget -= line.size() + end.size();
            continue;
        }
        if (shape.openLastLine) {
            out.Write(std::string(budget, '#'));
        } else if (budget > end.size()) {
            out.Write(std::string(budget - end.size(), '#'));
            out.Write(end);
        }
        return;
    }
}

void WriteRecords(OutputFile& out, const FileShape& shape, std::uint64_t bytes,
                  SampleRandom& random) {
    if (!shape.endMark || bytes == 0) {
        WriteLines(out, shape, bytes, random);
        return;
    }
    const std::uint64_t stale = std::min(bytes / 8, kMaxStaleBytes);
    WriteLines(out, shape, bytes - stale - 1, random);
    out.Write("\x1A");
    WriteLines(out, FileShape{shape.kind, LineEnds::kLf}, stale, random);
}

int WriteRecordFile(const std::filesystem::path& path, const FileShape& shape, std::uint64_t bytes,
                    SampleRandom& random, std::uint64_t* written, std::string* error) {
    OutputFile out(path);
    if (!out.IsOpen()) {
        return FailWith(error, "cannot create " + path.string());
    }
    WriteRecords(out, shape, bytes, random);
    if (!out.Close()) {
        return FailWith(error, "cannot write " + path.string());
    }
    *written = out.Size();
    return 1;
}

std::string PrintLayoutName(unsigned layout, unsigned sheet) {
    char name[32];
    std::snprintf(name, sizeof name, "ZELPRN%u-%03u.DAT", layout, sheet);
    return name;
}

// Layouts 1, 3, 5 and 7 have sheets 000 to 004, the others 000 to 002; a few
// extra sheets stand beyond those, which only a backup takes along.
void AddPrintLayouts(std::vector<PlannedFile>& plan) {
    constexpr LineEnds kEnds[] = {LineEnds::kCrLf, LineEnds::kLf, LineEnds::kMixed};
    for (unsigned layout = 1; layout <= 17; ++layout) {
        const bool wide = layout == 1 || layout == 3 || layout == 5 || layout == 7;
        const unsigned sheets = wide ? 5 : 3;
        for (unsigned sheet = 0; sheet < sheets; ++sheet) {
            FileShape shape{LineKind::kLayout, kEnds[(layout + sheet) % 3]};
            shape.endMark = sheet == 1 && layout % 4 == 1;
            shape.openLastLine = layout == 9 && sheet == 2;
            plan.push_back({PrintLayoutName(layout, sheet), shape, 1});
        }
    }
    for (const auto& [layout, sheet] : {std::pair{1u, 5u}, {2u, 3u}, {17u, 3u}, {17u, 4u}}) {
        plan.push_back({PrintLayoutName(layout, sheet), {LineKind::kLayout, LineEnds::kCrLf}, 1});
    }
}

std::vector<PlannedFile> FolderPlan() {
    using K = LineKind;
    using E = LineEnds;
    std::vector<PlannedFile> plan = {
        {"ZELCODB0.DAT", {K::kCode, E::kCrLf}, 2},
        {"ZELLCOB0.DAT", {K::kCode, E::kLf}, 1},
        {"ZELCLAB0.DAT", {K::kRoster, E::kCrLf}, 8},
        {"ZELTEAB0.DAT", {K::kTeacher, E::kMixed}, 2},
        {"ZELROMB0.DAT", {K::kCode, E::kCrLf, true}, 1},
        {"ZELGRAB0.DAT", {K::kRoster, E::kLf}, 6},
        {"ZELSBJB0.DAT", {K::kCode, E::kCrLf}, 1},
        {"ZELMEEB0.DAT", {K::kEvent, E::kMixed}, 2},
        {"ZELATRB0.DAT", {K::kRoster, E::kCrLf}, 8},
        {"ZELATRB2.DAT", {K::kRoster, E::kLf, true}, 4},
        {"ZELRULB0.DAT", {K::kRule, E::kCrLf}, 1},
        {"ZELEVTB0.DAT", {K::kEvent, E::kCrLf}, 2},
        {"ZELLESB0.DAT", {K::kTimetable, E::kLf}, 8},
        {"ZELSTDB0.DAT", {K::kRoster, E::kCrLf}, 1},
        {"ZELCRSB0.DAT", {K::kCode, E::kCrLf}, 1},
        {"ZELSLLB0.DAT", {K::kCode, E::kLf}, 1},
        {"ZELSLCB0.DAT", {K::kCode, E::kCrLf}, 1},
        {"ZELPIEB0.DAT", {K::kTimetable, E::kCrLf}, 2},
        {"ZELSPEB0.DAT", {K::kEvent, E::kLf, false, true}, 1},
        {"ZELAFFB0.DAT", {K::kCode, E::kCrLf, true}, 1},
    };
    AddPrintLayouts(plan);
    const std::vector<PlannedFile> rest = {
        {"ZELPRN-SEL-01.DAT", {K::kLayout, E::kCrLf}, 1},
        {"ZELPRN-SEL-02.DAT", {K::kLayout, E::kLf}, 1},
        {"ZELPRN-SEL-15.DAT", {K::kLayout, E::kMixed}, 1},
        {"R08-1A.ZEL", {K::kTimetable, E::kCrLf}, 3},
        {"R08-2B.ZEL", {K::kTimetable, E::kLf}, 3},
        {"r08-3c.zel", {K::kTimetable, E::kMixed}, 2},
        {"R08-WEEK.ZE2", {K::kTimetable, E::kCrLf}, 2},
        {"R08-TERM.ZE2", {K::kEvent, E::kLf}, 1},
        {"HOLIDAY.SP1", {K::kEvent, E::kCrLf}, 1},
        {"CAMP.SP1", {K::kEvent, E::kMixed}, 1},
        {"HOLIDAY.SPA", {K::kEvent, E::kLf}, 1},
        {"EXAM.SPA", {K::kCode, E::kCrLf, true}, 1},
        {"STANDARD.SKN", {K::kLayout, E::kCrLf}, 1},
    };
    plan.insert(plan.end(), rest.begin(), rest.end());
    return plan;
}

// Lines 1 to 22 and 24 to 26 of the base file; line 23 is the title.
std::string BaseFileText(std::string_view title) {
    static constexpr std::string_view kHead[] = {
        "ZELBAS,0800",
        "SCHOOL,C2310457",
        "YEAR,2026",
        "TERMS,3",
        "GRADES,3",
        "CLASSES,4,4,3",
        "PERIODS,6",
        "DAYS,MON,TUE,WED,THU,FRI",
        "START,2026-04-01",
        "END,2027-03-31",
        "CAPTION,\x8E\x9E\x8A\xD4\x8A\x84\x95\x5C",  // 時間割表
        "PRINTER,0,A4,PORTRAIT",
        "MARGIN,15,15,20,20",
        "FONT,\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9,10",  // ＭＳ 明朝
        "GRADING,5",
        "ATTENDANCE,1",
        "ROUNDING,0",
        "LOCK,0",
        "BACKUP,1",
        "RESERVED,0",
        "RESERVED,0",
        "RESERVED,0",
    };
    static constexpr std::string_view kTail[] = {"UPDATED,2026-03-20", "OPTIONS,0,0,1", "EOF"};
    std::string text;
    for (std::string_view line : kHead) {
        (text += line) += "\r\n";
    }
    (text += title) += "\r\n";
    for (std::string_view line : kTail) {
        (text += line) += "\r\n";
    }
    return text;
}

int WriteWholeFile(const std::filesystem::path& path, std::string_view bytes, std::string* error) {
    OutputFile out(path);
    if (!out.IsOpen()) {
        return FailWith(error, "cannot create " + path.string());
    }
    out.Write(bytes);
    if (!out.Close()) {
        return FailWith(error, "cannot write " + path.string());
    }
    return 1;
}

std::string UnrelatedName(std::uint64_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "memo-%06llu.txt", static_cast<unsigned long long>(number));
    return name;
}

// Distinct, unrelated streams for the files of one folder.
std::uint64_t FileSeed(std::uint64_t seed, std::uint64_t fileIndex) {
    return seed ^ ((fileIndex + 1) * 0xD1B54A32D192ED03ULL);
}

}  // namespace

int WriteSampleBaseFile(const std::filesystem::path& folder, std::string_view title,
                        std::string* error) {
    return WriteWholeFile(folder / "ZELBAS00.DAT", BaseFileText(title), error);
}

int WriteUnrelatedFiles(const std::filesystem::path& folder, std::uint64_t count,
                        std::string* error) {
    for (std::uint64_t number = 1; number <= count; ++number) {
        const std::string name = UnrelatedName(number);
        if (!WriteWholeFile(folder / name, name + "\r\n", error)) {
            return 0;
        }
    }
    return 1;
}

int WriteSampleTextFile(const std::filesystem::path& file, std::uint64_t bytes, std::uint64_t seed,
                        std::string* error) {
    SampleRandom random(seed);
    std::uint64_t written = 0;
    return WriteRecordFile(file, {LineKind::kRoster, LineEnds::kMixed}, bytes, random, &written,
                           error);
}

int MakeSampleFolder(const std::filesystem::path& folder, const SampleFolderOptions& options,
                     SampleFolderSummary* summary, std::string* error) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) {
        return FailWith(error, "cannot create " + folder.string() + ": " + code.message());
    }
    const std::string base = BaseFileText(options.title);
    if (!WriteWholeFile(folder / "ZELBAS00.DAT", base, error)) {
        return 0;
    }
    SampleFolderSummary done{1, base.size()};
    const std::vector<PlannedFile> plan = FolderPlan();
    unsigned totalWeight = 0;
    for (const PlannedFile& file : plan) {
        totalWeight += file.weight;
    }
    const std::uint64_t share =
        options.sizeBytes > base.size() ? options.sizeBytes - base.size() : 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        SampleRandom random(FileSeed(options.seed, i));
        std::uint64_t written = 0;
        if (!WriteRecordFile(folder / plan[i].name, plan[i].shape,
                             share * plan[i].weight / totalWeight, random, &written, error)) {
            return 0;
        }
        ++done.files;
        done.bytes += written;
    }
    if (!WriteUnrelatedFiles(folder, options.unrelated, error)) {
        return 0;
    }
    if (summary != nullptr) {
        *summary = done;
    }
    return 1;
}
