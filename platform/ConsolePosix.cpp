#include <unistd.h>
#include <csignal>
#include <cstdio>

#include "platform/Console.h"

namespace {

std::atomic<bool>* g_stop = nullptr;

extern "C" void OnInterrupt(int) {
    g_stop->store(true);
}

}  // namespace

void WriteStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void WriteStandardError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

void StopOnInterrupt(std::atomic<bool>& stop) {
    g_stop = &stop;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

void RunEnded() {}

std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
    return {argv + 1, argv + argc};
}
