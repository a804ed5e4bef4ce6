// Command: runs a program (the fault driver, possibly under strace or
// setpriv) and collects what it printed and how it ended.
//
// The program runs in a process group of its own, so that on a timeout the
// whole group (a tracer and its tracee alike) is killed and no test can hang.
#pragma once

#include <string>
#include <vector>

struct CommandResult {
    bool started = false;   // false when the program could not be run at all
    bool timedOut = false;  // killed after the time limit
    int exitCode = -1;      // the exit status; -1 when ended by a signal
    int signal = 0;         // the signal that ended it, 0 when it exited
    std::string out;        // everything written to standard output
    std::string err;        // everything written to standard error
};

// Runs argv[0] (looked up in PATH) with argv. Returns when it has ended, or
// after timeoutSeconds with timedOut set and the process group killed.
CommandResult RunCommand(const std::vector<std::string>& argv, int timeoutSeconds = 30);

// True when program is found in PATH and can be executed.
bool HaveProgram(const std::string& program);
