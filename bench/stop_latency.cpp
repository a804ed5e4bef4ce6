// stop-latency: how soon a backup stops after the stop request when it runs
// as the dialog runs it (OperationRun, whose request キャンセル makes), and
// whether it left the destination whole.
//
//   stop-latency <work folder> [--size-mb N]
//
// Makes a sample data folder of about N MB (default 200) and, three times,
// an older backup beside it (other contents, every other file missing), backs
// the folder up onto it, asks the run to stop once a quarter, a half, three
// quarters of the bytes are copied and prints the time from the request to the run's end. Then
// checks the backup against a whole backup of the folder made first: no name but the old backup's
// and the whole backup's (no temporary left), every file either its old bytes or the whole backup's
// (64-bit FNV-1a digests). Exits 0 when every run stopped within a second with its backup whole, 1
// otherwise, 2 on a usage error.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "SampleData.h"
#include "dialog/OperationRun.h"
#include "engine/FileSystem.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 3;

std::uint64_t Digest(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 14695981039346656037ULL;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ULL;
        }
    }
    return hash;
}

std::map<std::string, std::uint64_t> Digests(const fs::path& folder) {
    std::map<std::string, std::uint64_t> digests;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        digests[entry.path().filename().string()] = Digest(entry.path());
    }
    return digests;
}

// An older backup: the sample with other contents, every other file gone, so
// that the run both replaces old files and writes new ones.
bool MakeOldBackup(const fs::path& folder, std::uint64_t bytes) {
    fs::remove_all(folder);
    if (MakeSampleFolder(folder, SampleFolderOptions{.sizeBytes = bytes, .seed = 2}) != 1) {
        return false;
    }
    std::size_t index = 0;
    for (const auto& [name, digest] : Digests(folder)) {
        if (index++ % 2 == 0) {
            fs::remove(folder / name);
        }
    }
    return true;
}

// Prints each file that is neither as it was nor as a whole backup writes
// it; true when there is none.
bool BackupWhole(const fs::path& backup, const std::map<std::string, std::uint64_t>& old,
                 const std::map<std::string, std::uint64_t>& copies) {
    bool whole = true;
    for (const auto& [name, digest] : Digests(backup)) {
        const auto before = old.find(name);
        const auto copy = copies.find(name);
        if ((before == old.end() || before->second != digest) &&
            (copy == copies.end() || copy->second != digest)) {
            std::printf("  half-written or unknown: %s\n", name.c_str());
            whole = false;
        }
    }
    return whole;
}

}  // namespace

int main(int argc, char* argv[]) {
    double megabytes = 200;
    if (!(argc == 2 || (argc == 4 && std::string(argv[2]) == "--size-mb" &&
                        (megabytes = std::atof(argv[3])) > 0))) {
        std::fputs("usage: stop-latency <work folder> [--size-mb N]\n", stderr);
        return 2;
    }
    const fs::path source = fs::path(argv[1]) / "data";
    const fs::path backup = fs::path(argv[1]) / "backup";
    const fs::path reference = fs::path(argv[1]) / "whole";
    const auto bytes = static_cast<std::uint64_t>(megabytes * 1e6);
    if (MakeSampleFolder(source, SampleFolderOptions{.sizeBytes = bytes}) != 1) {
        std::fprintf(stderr, "stop-latency: cannot write %s\n", source.c_str());
        return 1;
    }
    fs::remove_all(reference);
    fs::create_directories(reference);
    OperationRun(FileSystem::Default(), KIND_BACKUP, source.string() + "/",
                 reference.string() + "/", "")
        .Finish();
    const std::map<std::string, std::uint64_t> copies = Digests(reference);
    bool ok = true;
    for (int i = 1; i <= kRuns; ++i) {
        if (!MakeOldBackup(backup, bytes)) {
            std::fprintf(stderr, "stop-latency: cannot write %s\n", backup.c_str());
            return 1;
        }
        const std::map<std::string, std::uint64_t> old = Digests(backup);
        OperationRun run(FileSystem::Default(), KIND_BACKUP, source.string() + "/",
                         backup.string() + "/", "");
        RunSnapshot at = run.Snapshot();
        while (!at.finished && (at.bytes == 0 || at.bytesDone * 4 < at.bytes * i)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            at = run.Snapshot();
        }
        const Clock::time_point asked = Clock::now();
        run.RequestStop();
        run.WaitFor(std::chrono::seconds(60));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - asked).count();
        const OperationReport report = run.Finish();
        std::size_t stopped = 0;
        for (const FileResult& row : report.files) {
            stopped += row.status == FileStatus::kStopped ? 1 : 0;
        }
        const bool whole = BackupWhole(backup, old, copies);
        std::printf(
            "run %d: stop asked at %s, %zu / %zu files, %.0f / %.0f MB; stopped after "
            "%.1f ms, %zu files not copied; backup %s\n",
            i, at.current.c_str(), at.filesEnded, at.files, static_cast<double>(at.bytesDone) / 1e6,
            static_cast<double>(at.bytes) / 1e6, ms, stopped, whole ? "whole" : "NOT whole");
        ok = ok && whole && ms < 1000 && stopped > 0;
    }
    return ok ? 0 : 1;
}
