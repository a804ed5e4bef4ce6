// CliRequestRun: one request of fileutility-cli, checked as the dialog's 実行
// checks it (in the same order, with the same messages, without questions)
// and carried out by the engine.
#pragma once

#include <ctime>
#include <string>

#include "app/CliArguments.h"
#include "engine/DataFolder.h"
#include "engine/OperationProgress.h"

// The exit statuses of the program.
enum CliExit : int {
    kExitCopied = 0,    // every file copied
    kExitFailures = 1,  // the run ended, some files were not copied
    kExitRefused = 2,   // refused before anything was written
    kExitStopped = 3,   // stopped by Ctrl+C or a closing console
    kExitUsage = 64,    // wrong usage
};

struct CliOutcome {
    int exitStatus = kExitRefused;
    std::string message;  // the completion message with its failures, or the refusals (UTF-8)
    std::string source;   // the folder texts, as the engine used them
    std::string destination;
    OperationReport report;
};

// Checks and runs request; now names a dated new directory.
CliOutcome RunCliRequest(const CliRequest& request, const std::tm& now,
                         OperationProgress& progress);
