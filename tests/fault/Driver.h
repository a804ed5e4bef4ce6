// Driver: runs fault_driver (built beside the tests) and reads back its
// report, so that a test can fault or kill the engine's process without
// faulting its own.
#pragma once

#include <string>
#include <vector>

#include "Command.h"
#include "ReportRows.h"

struct DriverRun {
    CommandResult command;
    bool finished = false;  // the driver printed its result line
    int result = -1;        // the engine call's 1/0 result
    std::vector<ReportRow> rows;

    ReportRow Row(const std::string& name) const { return FindRow(rows, name); }
    // Every row's text, one a line, for assertion messages.
    std::string Describe() const;
};

// The driver's argument lists for its three commands.
std::vector<std::string> RunArgs(int kind, const std::string& src, const std::string& dst,
                                 const std::string& title = "TITLE");
std::vector<std::string> CopyArgs(const std::string& name, const std::string& src,
                                  const std::string& dst);
std::vector<std::string> CopyAllArgs(const std::string& pattern, const std::string& src,
                                     const std::string& dst);

// Runs prefix (e.g. strace with its options, or nothing) followed by the
// driver and args, and parses what the driver printed.
DriverRun RunDriver(const std::vector<std::string>& prefix, const std::vector<std::string>& args,
                    int timeoutSeconds = 30);
