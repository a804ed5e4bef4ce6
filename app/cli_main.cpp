// fileutility-cli: the operations of fileutility, unattended.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/CliArguments.h"
#include "app/CliReport.h"
#include "app/CliRequestRun.h"
#include "app/TerminalProgress.h"
#include "platform/Console.h"

namespace {

std::tm LocalNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

// Appends line to the log; a log that cannot be written is said, but the
// run's status stays what the run gave.
void AppendToLog(const std::string& file, const std::string& line) {
    std::ofstream log(std::filesystem::path(std::u8string(file.begin(), file.end())),
                      std::ios::app | std::ios::binary);
    log << line;
    log.flush();
    if (!log) {
        WriteStandardError("ログに書き込めません: " + file + "\n");
    }
}

int Run(const CliRequest& request) {
    static std::atomic<bool> stop = false;
    StopOnInterrupt(stop);
    const std::tm now = LocalNow();
    TerminalProgress progress(stop, StandardErrorIsTerminal());
    const CliOutcome outcome = RunCliRequest(request, now, progress);
    progress.Finish();
    WriteStandardOutput(request.json ? CliJson(request, outcome) : outcome.message + "\n");
    if (request.log) {
        AppendToLog(*request.log, CliLogLine(request, outcome, now));
    }
    RunEnded();
    return outcome.exitStatus;
}

}  // namespace

int main(int argc, char* argv[]) {
    const CliArguments arguments = ParseCliArguments(ProgramArguments(argc, argv));
    switch (arguments.action) {
        case CliAction::kHelp:
            WriteStandardOutput(kCliUsage);
            return kExitCopied;
        case CliAction::kVersion:
            WriteStandardOutput("fileutility-cli " FILEUTILITY_VERSION "\n");
            return kExitCopied;
        case CliAction::kWrongUsage:
            WriteStandardError(arguments.error + "\n" + std::string(kCliUsage));
            return kExitUsage;
        case CliAction::kRun:
            break;
    }
    return Run(arguments.request);
}
