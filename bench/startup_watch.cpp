// startup-watch: how long a dialog program takes from its start to its first
// window on the X display, and how much memory it holds resident once shown,
// measured from outside so the program runs exactly as users run it.
//   startup-watch [--runs N] [--settle-ms M] -- <program> [arguments...]
// For each run it starts the program, waits for the first window the program
// maps (a window that names another process in _NET_WM_PID is not counted),
// waits M ms (300 by default) for the first paint to finish, reads the
// process's resident memory (VmRSS) and ends it. A program started through
// Wine is measured as the Wine process that runs it. Prints the median, the
// lowest and the highest of each figure over N runs (5 by default). Exits 0
// when every run showed a window, 1 with a message otherwise (no display,
// the program could not start, exited or showed nothing within 30 s).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "CountArgument.h"
#include "Timing.h"

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kDefaultSettleMs = 300;
constexpr int kTimeoutMs = 30000;

struct Options {
    int runs = kDefaultRuns;
    int settleMs = kDefaultSettleMs;
    std::vector<char*> program;  // null-terminated for execvp
};

struct Sample {
    double shownMs = 0;
    double residentMb = 0;
};

// Returns 1 and fills options from the command line, 0 on a usage error.
int ParseOptions(int argc, char* argv[], Options& options) {
    int i = 1;
    for (; i + 1 < argc && std::string(argv[i]) != "--"; i += 2) {
        const std::string name = argv[i];
        std::uint64_t value = 0;
        if (!ParseCount(argv[i + 1], value) || value > kTimeoutMs) {
            return 0;
        }
        if (name == "--runs") {
            options.runs = static_cast<int>(value);
        } else if (name == "--settle-ms") {
            options.settleMs = static_cast<int>(value);
        } else {
            return 0;
        }
    }
    if (i + 1 >= argc || std::string(argv[i]) != "--" || options.runs == 0) {
        return 0;
    }
    options.program.assign(argv + i + 1, argv + argc);
    options.program.push_back(nullptr);
    return 1;
}

// Returns the process's resident memory in MB, or -1 when it cannot be read.
double ResidentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return -1;
}

// Returns the process a window names in _NET_WM_PID, or 0 when it names none.
long WindowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && count == 1 && format == 32) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// Waits until a window of pid (or one naming no process) is mapped. Returns 1
// then, 0 when the process exits or the time runs out first.
int WaitForMappedWindow(Display* display, pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) {
                continue;
            }
            const long owner = WindowPid(display, event.xmap.window);
            if (owner == 0 || owner == pid) {
                return 1;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) != 0) {
            return 0;
        }
        poll(&connection, 1, 10);
    }
    return 0;
}

// Starts the program once and measures it. Returns 1 with the sample filled,
// 0 with a message when it showed no window.
int MeasureOnce(Display* display, const Options& options, Sample& sample) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);  // forget the maps of earlier runs
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own chatter (Qt's, Wine's) is not the watcher's output.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execvp(options.program[0], options.program.data());
        _exit(127);
    }
    if (pid < 0) {
        std::fprintf(stderr, "startup-watch: cannot start %s\n", options.program[0]);
        return 0;
    }
    const int shown = WaitForMappedWindow(display, pid);
    sample.shownMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    sample.residentMb = ResidentMb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (shown == 0 || sample.residentMb < 0) {
        std::fprintf(stderr, "startup-watch: %s showed no window\n", options.program[0]);
        return 0;
    }
    return 1;
}

void PrintFigure(const char* name, const char* unit, std::vector<double> values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("%s %.1f %s (%.1f to %.1f)\n", name, Median(values), unit, *low, *high);
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (ParseOptions(argc, argv, options) == 0) {
        std::fprintf(
            stderr,
            "usage: startup-watch [--runs N] [--settle-ms M] -- <program> [arguments...]\n");
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup-watch: no X display\n");
        return 1;
    }
    std::vector<double> shown;
    std::vector<double> resident;
    for (int run = 0; run < options.runs; ++run) {
        Sample sample;
        if (MeasureOnce(display, options, sample) == 0) {
            XCloseDisplay(display);
            return 1;
        }
        shown.push_back(sample.shownMs);
        resident.push_back(sample.residentMb);
    }
    XCloseDisplay(display);
    PrintFigure("start to shown:", "ms", shown);
    PrintFigure("resident once shown:", "MB", resident);
    return 0;
}
