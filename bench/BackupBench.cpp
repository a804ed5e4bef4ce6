#include "BackupBench.h"

#include <unistd.h>

#include <map>

#include "SampleData.h"
#include "SampleError.h"
#include "Subprocess.h"
#include "Timing.h"
#include "engine/DataFolder.h"

namespace {

namespace fs = std::filesystem;

struct NoWaitCursor final : WaitIndicator {
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

enum class Method { kEngine, kCp, kCpSync, kUnix2dos };
constexpr Method kMethods[] = {Method::kEngine, Method::kCp, Method::kCpSync, Method::kUnix2dos};

const char* MethodName(Method method) {
    switch (method) {
        case Method::kEngine:
            return "engine";
        case Method::kCp:
            return "cp";
        case Method::kCpSync:
            return "cp+sync";
        case Method::kUnix2dos:
            return "unix2dos";
    }
    return "?";
}

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

int RunEngine(const fs::path& source, const fs::path& destination, std::string* error) {
    NoWaitCursor cursor;
    OperationReport report;
    RunOperation(cursor, KIND_BACKUP, source.string() + "/", destination.string() + "/",
                 kDefaultSampleTitle, &report);
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

int RunMethod(Method method, const fs::path& source, const std::vector<std::string>& names,
              const fs::path& destination, std::string* error) {
    switch (method) {
        case Method::kEngine:
            return RunEngine(source, destination, error);
        case Method::kCp:
            return RunCp(source, names, destination, error);
        case Method::kCpSync:
            return RunCp(source, names, destination, error) &&
                   RunChecked({"sync", "-f", destination.string()}, error);
        case Method::kUnix2dos:
            return RunUnix2dos(source, names, destination, error);
    }
    return 0;
}

std::vector<double>& SamplesOf(BackupFigures& figures, Method method) {
    switch (method) {
        case Method::kEngine:
            return figures.engine;
        case Method::kCp:
            return figures.cp;
        case Method::kCpSync:
            return figures.cpSync;
        case Method::kUnix2dos:
            break;
    }
    return figures.unix2dos;
}

// Times method once into a new folder under runs. Returns 1 with the seconds
// added to figures, 0 with a reason in *error.
int TimeOnce(Method method, int round, const fs::path& source,
             const std::vector<std::string>& names, const fs::path& runs, BackupFigures& figures,
             std::string* error) {
    const fs::path destination = runs / (std::to_string(round) + "-" + MethodName(method));
    std::error_code code;
    if (!fs::create_directory(destination, code)) {
        return FailWith(error, "cannot create " + destination.string());
    }
    ::sync();
    int ok = 0;
    const double seconds =
        SecondsOf([&] { ok = RunMethod(method, source, names, destination, error); });
    SamplesOf(figures, method).push_back(seconds);
    return ok;
}

}  // namespace

int MeasureBackup(const fs::path& work, std::uint64_t sizeBytes, int runs, BackupFigures& figures,
                  std::string* error) {
    const fs::path source = work / "source";
    const fs::path warmUp = work / "warm-up";
    const fs::path runFolders = work / "runs";
    SampleFolderOptions options;
    options.sizeBytes = sizeBytes;
    if (!MakeSampleFolder(source, options, nullptr, error)) {
        return 0;
    }
    std::error_code code;
    if (!fs::create_directories(warmUp, code) || !fs::create_directories(runFolders, code)) {
        return FailWith(error, "cannot create folders under " + work.string());
    }
    // One untimed backup reads the source into the page cache and tells which
    // files the backup writes, so that every method copies exactly those.
    std::vector<std::string> names;
    if (!RunEngine(source, warmUp, error) || !CopiedSourceNames(source, warmUp, names, error)) {
        return 0;
    }
    figures.files = names.size();
    for (const std::string& name : names) {
        figures.bytes += fs::file_size(source / name);
    }
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < std::size(kMethods); ++i) {
            const Method method =
                kMethods[(i + static_cast<std::size_t>(round)) % std::size(kMethods)];
            if (!TimeOnce(method, round, source, names, runFolders, figures, error)) {
                return 0;
            }
        }
    }
    return 1;
}
