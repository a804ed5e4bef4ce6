#include "BackupBench.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "SampleData.h"
#include "SampleError.h"
#include "Subprocess.h"
#include "Timing.h"
#include "engine/DataFolder.h"
#include "engine/OperationProgress.h"

namespace {

namespace fs = std::filesystem;

// The engine's backup and the plain copy in the Windows build's folder.
constexpr const char* kWineEngineProgram = "tools/backup-folder.exe";
constexpr const char* kWineCopyProgram = "bench/copy-files.exe";

std::string FoldCase(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return name;
}

// The source names of the files the engine wrote into destination (the base
// file is written as "zelbas00.dat" but read from "ZELBAS00.DAT").
int CopiedSourceNames(const fs::path& source, const fs::path& destination,
                      std::vector<std::string>& names, std::string* error) {
    std::map<std::string, std::string> byFolded;
    for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
        const std::string name = entry.path().filename().string();
        byFolded.emplace(FoldCase(name), name);
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(destination)) {
        const auto found = byFolded.find(FoldCase(entry.path().filename().string()));
        if (found == byFolded.end()) {
            return FailWith(error,
                            "the backup wrote a file the source lacks: " + entry.path().string());
        }
        names.push_back(found->second);
    }
    return 1;
}

// Takes every progress report as a front end would, without showing it.
struct CountingProgress final : OperationProgress {
    void Planned(std::size_t files, std::uint64_t bytes) override { total = files + bytes; }
    void FileStarted(std::string_view, std::uint64_t) override { ++started; }
    void FileAdvanced(std::uint64_t done) override { advanced = done; }
    void FileEnded(const FileResult&) override { ++ended; }
    bool StopRequested() override { return false; }
    std::uint64_t total = 0;
    std::uint64_t started = 0;
    std::uint64_t advanced = 0;
    std::uint64_t ended = 0;
};

int RunEngine(const fs::path& source, const fs::path& destination, std::string* error,
              bool withProgress = false) {
    NoWaitIndicator cursor;
    OperationReport report;
    const std::string from = source.string() + "/";
    const std::string to = destination.string() + "/";
    if (withProgress) {
        CountingProgress progress;
        RunOperation(cursor, progress, KIND_BACKUP, from, to, kDefaultSampleTitle, &report);
    } else {
        RunOperation(cursor, KIND_BACKUP, from, to, kDefaultSampleTitle, &report);
    }
    if (report.HasFailures()) {
        const FileResult first = report.Failures().front();
        return FailWith(error, "the engine failed on " + first.name + " (errno " +
                                   std::to_string(first.systemError) + ")");
    }
    return 1;
}

int RunChecked(const std::vector<std::string>& argv, std::string* error) {
    if (RunProgram(argv) != 0) {
        return FailWith(error, argv[0] + " failed (" + argv.back() + ")");
    }
    return 1;
}

int RunCp(const fs::path& source, const std::vector<std::string>& names,
          const fs::path& destination, std::string* error) {
    std::vector<std::string> argv = {"cp", "--"};
    for (const std::string& name : names) {
        argv.push_back((source / name).string());
    }
    argv.push_back(destination.string());
    return RunChecked(argv, error);
}

int RunUnix2dos(const fs::path& source, const std::vector<std::string>& names,
                const fs::path& destination, std::string* error) {
    for (const std::string& name : names) {
        if (!RunChecked({"unix2dos", "-q", "-f", "-n", (source / name).string(),
                         (destination / name).string()},
                        error)) {
            return 0;
        }
    }
    return 1;
}

// The engine's backup and the plain copies, built for Windows and run under
// Wine on the folder of the backup's files alone (Wine's "Z:" is "/").
int RunWine(Method method, const fs::path& windowsBuild, const fs::path& source,
            const fs::path& destination, std::string* error) {
    const std::string from = "Z:" + source.string() + "/";
    const std::string to = "Z:" + destination.string() + "/";
    if (method == Method::kWineEngine) {
        return RunChecked({"wine", (windowsBuild / kWineEngineProgram).string(), from, to}, error);
    }
    std::vector<std::string> argv = {"wine", (windowsBuild / kWineCopyProgram).string(), from, to};
    if (method == Method::kWineCopyFlush) {
        argv.insert(argv.begin() + 2, "--flush");
    }
    return RunChecked(argv, error);
}

// Where each method reads: the Wine methods copy every file of their folder.
struct Sources {
    fs::path all;
    std::vector<std::string> names;  // the files the backup writes, as all spells them
    fs::path backupOnly;             // hard links to those files alone
    fs::path windowsBuild;
};

int RunMethod(Method method, const Sources& sources, const fs::path& destination,
              std::string* error) {
    switch (method) {
        case Method::kEngine:
        case Method::kEngineProgress:
            return RunEngine(sources.all, destination, error, method == Method::kEngineProgress);
        case Method::kCp:
            return RunCp(sources.all, sources.names, destination, error);
        case Method::kCpSync:
            return RunCp(sources.all, sources.names, destination, error) &&
                   RunChecked({"sync", "-f", destination.string()}, error);
        case Method::kUnix2dos:
            return RunUnix2dos(sources.all, sources.names, destination, error);
        case Method::kWineEngine:
        case Method::kWineCopy:
        case Method::kWineCopyFlush:
            return RunWine(method, sources.windowsBuild, sources.backupOnly, destination, error);
    }
    return 0;
}

// Times method once into a new folder under runs. Returns 1 with the seconds
// added to figures, 0 with a reason in *error.
int TimeOnce(Method method, int round, const Sources& sources, const fs::path& runs,
             BackupFigures& figures, std::string* error) {
    const fs::path destination = runs / (std::to_string(round) + "-" + MethodName(method));
    std::error_code code;
    if (!fs::create_directory(destination, code)) {
        return FailWith(error, "cannot create " + destination.string());
    }
    ::sync();
    int ok = 0;
    const double seconds = SecondsOf([&] { ok = RunMethod(method, sources, destination, error); });
    figures.seconds[method].push_back(seconds);
    return ok;
}

bool UsesWine(const std::vector<Method>& methods) {
    return std::any_of(methods.begin(), methods.end(), [](Method method) {
        return method == Method::kWineEngine || method == Method::kWineCopy ||
               method == Method::kWineCopyFlush;
    });
}

// Links the backup's files into their own folder, and starts Wine's server
// (with the prefix the Windows test stage uses) so that no timed step pays
// for it.
int PrepareWine(Sources& sources, const fs::path& work, std::string* error) {
    sources.backupOnly = work / "backup-only";
    std::error_code code;
    fs::create_directories(sources.backupOnly, code);
    for (const std::string& name : sources.names) {
        fs::create_hard_link(sources.all / name, sources.backupOnly / name, code);
        if (code) {
            return FailWith(error, "cannot link " + name + " into " + sources.backupOnly.string());
        }
    }
    ::setenv("WINEPREFIX", (sources.windowsBuild / "wine-prefix").c_str(), 1);
    ::setenv("WINEDEBUG", "-all", 1);
    ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    return RunChecked({"wineserver", "-p30"}, error) &&
           RunChecked({"wine", "cmd", "/c", "exit"}, error);
}

}  // namespace

const char* MethodName(Method method) {
    switch (method) {
        case Method::kEngine:
            return "engine";
        case Method::kEngineProgress:
            return "engine+progress";
        case Method::kCp:
            return "cp";
        case Method::kCpSync:
            return "cp+sync";
        case Method::kUnix2dos:
            return "unix2dos";
        case Method::kWineEngine:
            return "wine-engine";
        case Method::kWineCopy:
            return "wine-copy";
        case Method::kWineCopyFlush:
            return "wine-copy-flush";
    }
    return "?";
}

double MedianRatio(const BackupFigures& figures, Method a, Method b) {
    const std::vector<double>& as = figures.seconds.at(a);
    const std::vector<double>& bs = figures.seconds.at(b);
    std::vector<double> ratios;
    for (std::size_t i = 0; i < as.size() && i < bs.size(); ++i) {
        ratios.push_back(as[i] / bs[i]);
    }
    return Median(ratios);
}

int MakeLargeSource(const fs::path& work, std::uint64_t sizeBytes, fs::path& source,
                    std::string* error) {
    source = work / "source";
    SampleFolderOptions options;
    options.sizeBytes = sizeBytes;
    return MakeSampleFolder(source, options, nullptr, error);
}

int MakeSmallFilesSource(const fs::path& work, std::uint64_t count, fs::path& source,
                         std::string* error) {
    constexpr std::uint64_t kBytes = 2000;
    source = work / "small-files";
    std::error_code code;
    if (!fs::create_directories(source, code)) {
        return FailWith(error, "cannot create " + source.string());
    }
    if (!WriteSampleBaseFile(source, kDefaultSampleTitle, error)) {
        return 0;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "S%05llu.ZEL", static_cast<unsigned long long>(i));
        if (!WriteSampleTextFile(source / name, kBytes, i + 1, error)) {
            return 0;
        }
    }
    return 1;
}

int MeasureBackup(const fs::path& source, const fs::path& work, const std::vector<Method>& methods,
                  int runs, const fs::path& windowsBuild, BackupFigures& figures,
                  std::string* error) {
    const fs::path warmUp = work / "warm-up";
    const fs::path runFolders = work / "runs";
    std::error_code code;
    if (!fs::create_directories(warmUp, code) || !fs::create_directories(runFolders, code)) {
        return FailWith(error, "cannot create folders under " + work.string());
    }
    // One untimed backup reads the source into the page cache and tells which
    // files the backup writes, so that every method copies exactly those.
    Sources sources{source, {}, {}, windowsBuild};
    if (!RunEngine(source, warmUp, error) ||
        !CopiedSourceNames(source, warmUp, sources.names, error)) {
        return 0;
    }
    if (UsesWine(methods) && !PrepareWine(sources, work, error)) {
        return 0;
    }
    figures.files = sources.names.size();
    for (const std::string& name : sources.names) {
        figures.bytes += fs::file_size(source / name);
    }
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < methods.size(); ++i) {
            const Method method = methods[(i + static_cast<std::size_t>(round)) % methods.size()];
            if (!TimeOnce(method, round, sources, runFolders, figures, error)) {
                return 0;
            }
        }
    }
    return 1;
}
