#include "Strace.h"

#include <cstdlib>
#include <fstream>

#include "Scratch.h"

namespace {

// Collects "<path>" decorations and non-empty quoted file names from a
// syscall's argument text; the working folder behind AT_FDCWD is no argument
// of the call's own.
std::vector<std::string> PathsOf(const std::string& args) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const char open = args[i];
        if (open != '<' && open != '"') {
            continue;
        }
        const char close = open == '<' ? '>' : '"';
        const std::size_t end = args.find(close, i + 1);
        if (end == std::string::npos) {
            break;
        }
        const bool workingFolder = open == '<' && i >= 8 && args.compare(i - 8, 8, "AT_FDCWD") == 0;
        if (end > i + 1 && !workingFolder) {
            paths.push_back(args.substr(i + 1, end - i - 1));
        }
        i = end;
    }
    return paths;
}

// Parses "PID name(args) = result"; returns false for signal and exit lines.
bool ParseLine(const std::string& line, TracedCall& call) {
    std::size_t start = line.find_first_not_of("0123456789 ");
    const std::size_t paren = line.find('(', start);
    const std::size_t equals = line.rfind(" = ");
    if (start == std::string::npos || paren == std::string::npos || equals == std::string::npos ||
        line[start] == '-' || line[start] == '+') {
        return false;
    }
    call.syscall = line.substr(start, paren - start);
    call.paths = PathsOf(line.substr(paren + 1, equals - paren - 1));
    call.result = line.substr(equals + 3);
    call.line = line;
    return true;
}

// LeakSanitizer stops a traced process at its exit ("does not work under
// ptrace"), so a sanitized driver runs under strace with the leak check off;
// the sanitizer run of the suite checks the driver for leaks untraced.
std::string WithoutLeakCheck() {
    const char* options = std::getenv("ASAN_OPTIONS");
    return "ASAN_OPTIONS=" + std::string(options != nullptr ? options : "") + ":detect_leaks=0";
}

}  // namespace

TracedRun TraceDriver(const std::string& syscalls, const std::vector<std::string>& extraOptions,
                      const std::vector<std::string>& args, const std::string& logFolder) {
    const std::string log = logFolder + "strace.log";
    std::vector<std::string> prefix = {
        "env", WithoutLeakCheck(), "strace", "-f", "-qq", "-y", "-s", "0", "-o", log,
        "-e",  "trace=" + syscalls};
    prefix.insert(prefix.end(), extraOptions.begin(), extraOptions.end());
    TracedRun run;
    run.driver = RunDriver(prefix, args);
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        TracedCall call;
        if (ParseLine(line, call)) {
            run.calls.push_back(call);
        }
    }
    RemoveTree(log);
    return run;
}

bool CallOn(const TracedCall& call, const std::string& prefix) {
    return !call.paths.empty() && call.paths.front().rfind(prefix, 0) == 0;
}

int CallNumber(const std::vector<TracedCall>& calls, const std::string& syscall,
               const std::string& prefix, int n) {
    int number = 0;
    int matched = 0;
    for (const TracedCall& call : calls) {
        if (call.syscall != syscall) {
            continue;
        }
        ++number;
        if (CallOn(call, prefix) && ++matched == n) {
            return number;
        }
    }
    return 0;
}

std::vector<TracedCall> CallsOn(const std::vector<TracedCall>& calls, const std::string& prefix) {
    std::vector<TracedCall> on;
    for (const TracedCall& call : calls) {
        if (CallOn(call, prefix)) {
            on.push_back(call);
        }
    }
    return on;
}
