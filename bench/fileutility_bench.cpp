// fileutility-bench: speed and memory of the data-folder engine.
//
//   fileutility-bench [--work DIR] [--size-mb N] [--runs N] [--small-files N]
//                     [--windows-build DIR] [--memory-mb N] [--unrelated N] [--keep]
//
// Measures, in one run, under a new folder in DIR (default /tmp):
//  - a backup of a generated folder of about N MB (default 200) against cp,
//    cp + "sync -f" and unix2dos per file, medians of --runs rounds (default 5);
//  - a backup of --small-files small files (default 2,000) against cp and
//    cp + "sync -f";
//  - with --windows-build (a mingw-w64 build folder, its Wine prefix made by
//    scripts/windows-test.sh), the Windows build's backup of the generated
//    folder under Wine against a plain CopyFileW copy under Wine;
//  - the peak resident memory of a process copying a --memory-mb MiB file
//    (default 1024) through CopyDataFile;
//  - selecting a backup's files in a folder of --unrelated files (default
//    100,000) against one listing of that folder.
// The generated data is removed at the end unless --keep is given.
//
// Exits 0 when every measurement ran (whether or not a goal was met), 1 when
// one could not run, 2 on a usage error.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "BackupBench.h"
#include "CountArgument.h"
#include "MemoryBench.h"
#include "ScanBench.h"
#include "Timing.h"

namespace {

namespace fs = std::filesystem;

struct BenchOptions {
    fs::path work = "/tmp";
    std::uint64_t sizeBytes = 200'000'000;
    int runs = 5;
    std::uint64_t memoryBytes = 1ull << 30;
    std::uint64_t unrelated = 100'000;
    std::uint64_t smallFiles = 2000;
    fs::path windowsBuild;
    bool keep = false;
};

constexpr const char* kUsage =
    "usage: fileutility-bench [--work DIR] [--size-mb N] [--runs N] [--small-files N] "
    "[--windows-build DIR] [--memory-mb N] [--unrelated N] [--keep]\n";

bool ParseOptions(int argc, char** argv, BenchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--keep") {
            options.keep = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const char* value = argv[++i];
        if (option == "--work" || option == "--windows-build") {
            (option == "--work" ? options.work : options.windowsBuild) = value;
            continue;
        }
        std::uint64_t number = 0;
        if (!ParseCount(value, number) || number == 0) {
            return false;
        }
        if (option == "--size-mb") {
            options.sizeBytes = number * 1'000'000;
        } else if (option == "--runs") {
            options.runs = static_cast<int>(std::min<std::uint64_t>(number, 100));
        } else if (option == "--memory-mb") {
            options.memoryBytes = number << 20;
        } else if (option == "--unrelated") {
            options.unrelated = number;
        } else if (option == "--small-files") {
            options.smallFiles = number;
        } else {
            return false;
        }
    }
    return true;
}

const std::vector<Method> kLinuxMethods = {Method::kEngine, Method::kEngineProgress, Method::kCp,
                                           Method::kCpSync, Method::kUnix2dos};
const std::vector<Method> kSmallFileMethods = {Method::kEngine, Method::kCp, Method::kCpSync};
const std::vector<Method> kWineMethods = {Method::kWineEngine, Method::kWineCopy,
                                          Method::kWineCopyFlush};

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

void PrintSamples(const char* label, const std::vector<double>& seconds, double scale,
                  const char* unit) {
    const auto [low, high] = std::minmax_element(seconds.begin(), seconds.end());
    std::printf("  %-44s %9.3f %s  (min %.3f, max %.3f)\n", label, Median(seconds) * scale, unit,
                *low * scale, *high * scale);
}

void PrintMethods(const BackupFigures& f, const std::vector<Method>& methods) {
    for (const Method method : methods) {
        PrintSamples(MethodName(method), f.seconds.at(method), 1, "s");
    }
}

// Prints the median of the run-by-run ratios of a to b, against goal when one
// is given (0: reported only).
void PrintRatio(const BackupFigures& f, Method a, Method b, double goal) {
    const double ratio = MedianRatio(f, a, b);
    const std::string label = std::string(MethodName(a)) + " / " + MethodName(b);
    if (goal > 0) {
        std::printf("  %-28s %5.2f   goal <= %.2f: %s\n", label.c_str(), ratio, goal,
                    Verdict(ratio <= goal));
    } else {
        std::printf("  %-28s %5.2f   (reported)\n", label.c_str(), ratio);
    }
}

void PrintHeading(const char* what, const BackupFigures& f) {
    std::printf(
        "\n%s: %zu files, %.1f MB, %zu runs, medians; ratios are medians of the ratios "
        "within each run\n",
        what, f.files, static_cast<double>(f.bytes) / 1e6, f.seconds.begin()->second.size());
}

void PrintBackup(const BackupFigures& f) {
    PrintHeading("Backup of a generated data folder", f);
    PrintMethods(f, kLinuxMethods);
    PrintRatio(f, Method::kEngine, Method::kCpSync, 0.9);
    PrintRatio(f, Method::kEngine, Method::kCp, 0);
    PrintRatio(f, Method::kEngineProgress, Method::kEngine, 1.02);
    const double unix2dos = 1 / MedianRatio(f, Method::kEngine, Method::kUnix2dos);
    std::printf("  %-28s %5.2f   goal >= 3: %s\n", "unix2dos / engine", unix2dos,
                Verdict(unix2dos >= 3));
}

void PrintSmallFiles(const BackupFigures& f) {
    PrintHeading("Backup of a folder of small files", f);
    PrintMethods(f, kSmallFileMethods);
    PrintRatio(f, Method::kEngine, Method::kCpSync, 0.9);
    PrintRatio(f, Method::kEngine, Method::kCp, 0);
}

void PrintWine(const BackupFigures& f) {
    PrintHeading("WINE FIGURES (Wine's file calls on Linux, not Windows): the generated folder", f);
    PrintMethods(f, kWineMethods);
    PrintRatio(f, Method::kWineEngine, Method::kWineCopyFlush, 1.0);
    PrintRatio(f, Method::kWineEngine, Method::kWineCopy, 0);
}

void PrintMemory(const MemoryFigures& f) {
    const double bigMiB = static_cast<double>(f.bigPeakKiB) / 1024;
    std::printf("\nPeak resident memory of a process copying one file through CopyDataFile\n");
    std::printf("  %.0f MiB file: %.2f MiB\n", static_cast<double>(f.smallBytes) / (1 << 20),
                static_cast<double>(f.smallPeakKiB) / 1024);
    std::printf("  %.0f MiB file: %.2f MiB (copied in %.2f s)   goal <= 8 MiB: %s\n",
                static_cast<double>(f.bigBytes) / (1 << 20), bigMiB, f.bigSeconds,
                Verdict(bigMiB <= 8));
}

void PrintScan(const ScanFigures& f) {
    std::printf(
        "\nSource folder of %llu entries (base file + unrelated files), %zu runs, medians\n",
        static_cast<unsigned long long>(f.entries), f.listing.size());
    PrintSamples("one listing: opendir/readdir, names kept", f.listing, 1e3, "ms");
    PrintSamples("selecting the backup's files (engine)", f.selection, 1e3, "ms");
    PrintSamples("whole backup of that folder", f.backup, 1e3, "ms");
    const double selection = Median(f.selection) / Median(f.listing);
    std::printf("  selection / listing      %5.2f   goal <= 2: %s\n", selection,
                Verdict(selection <= 2));
    std::printf("  backup / listing         %5.2f   (reported)\n",
                Median(f.backup) / Median(f.listing));
}

// The system's load average over the last minute, which tells how far the
// figures of a run were shared with other work.
std::string LoadAverage() {
    double load[1] = {};
    char text[16] = "unknown";
    if (::getloadavg(load, 1) == 1) {
        std::snprintf(text, sizeof text, "%.2f", load[0]);
    }
    return text;
}

void PrintHeader(const BenchOptions& options, const fs::path& work) {
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::printf("fileutility-bench, %s, %u cores, load average %s, work folder %s\n", date,
                std::thread::hardware_concurrency(), LoadAverage().c_str(), work.c_str());
    std::printf(
        "size %.0f MB, %d runs, %llu small files, memory file %llu MiB, %llu unrelated "
        "files\n",
        static_cast<double>(options.sizeBytes) / 1e6, options.runs,
        static_cast<unsigned long long>(options.smallFiles),
        static_cast<unsigned long long>(options.memoryBytes >> 20),
        static_cast<unsigned long long>(options.unrelated));
}

int RunAll(const BenchOptions& options, const fs::path& work, std::string* error) {
    PrintHeader(options, work);
    fs::path large;
    BackupFigures backup;
    if (!MakeLargeSource(work, options.sizeBytes, large, error) ||
        !MeasureBackup(large, work / "backup", kLinuxMethods, options.runs, {}, backup, error)) {
        return 0;
    }
    PrintBackup(backup);
    fs::path small;
    BackupFigures smallFiles;
    if (!MakeSmallFilesSource(work, options.smallFiles, small, error) ||
        !MeasureBackup(small, work / "small", kSmallFileMethods, options.runs, {}, smallFiles,
                       error)) {
        return 0;
    }
    PrintSmallFiles(smallFiles);
    if (options.windowsBuild.empty()) {
        std::printf("\nNo --windows-build given: no Wine figures.\n");
    } else {
        BackupFigures wine;
        if (!MeasureBackup(large, work / "wine", kWineMethods, options.runs,
                           fs::absolute(options.windowsBuild), wine, error)) {
            return 0;
        }
        PrintWine(wine);
    }
    MemoryFigures memory;
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    if (!MeasureCopyMemory(work / "memory", options.memoryBytes, self, memory, error)) {
        return 0;
    }
    PrintMemory(memory);
    ScanFigures scan;
    if (!MeasureScan(work / "scan", options.unrelated, std::max(options.runs, 5), scan, error)) {
        return 0;
    }
    PrintScan(scan);
    std::printf("\nload average at the end: %s\n", LoadAverage().c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string_view(argv[1]) == "--memory-child") {
        return RunMemoryChild(argv[2], argv[3], argv[4]);
    }
    BenchOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string pattern = (options.work / "fileutility-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "fileutility-bench: cannot create a folder in %s\n",
                     options.work.c_str());
        return 1;
    }
    const fs::path work = pattern;
    std::string error;
    const int ok = RunAll(options, work, &error);
    std::fflush(stdout);
    if (!ok) {
        std::fprintf(stderr, "fileutility-bench: %s\n", error.c_str());
    }
    if (!options.keep) {
        std::error_code code;
        fs::remove_all(work, code);
    }
    return ok ? 0 : 1;
}
