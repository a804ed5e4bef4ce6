// CliReport: what fileutility-cli writes about a run: the machine-readable
// report of --json and the line --log appends.
#pragma once

#include <ctime>
#include <string>

#include "app/CliArguments.h"
#include "app/CliRequestRun.h"

// One JSON object (and a line end): operation, folders, exit status,
// message and one row per file (name, result, reason, error number).
std::string CliJson(const CliRequest& request, const CliOutcome& outcome);

// One line: time, operation, folders, counts by result, exit status.
std::string CliLogLine(const CliRequest& request, const CliOutcome& outcome, const std::tm& now);
