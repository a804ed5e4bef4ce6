#include "platform/Console.h"
#include "platform/win32/Win32Api.h"
#include "widetext/WideText.h"

// After <windows.h>, which it needs.
#include <shellapi.h>

namespace {

std::atomic<bool>* g_stop = nullptr;
std::atomic<bool> g_ended = false;

// How long a closing console is held for the run to end between files;
// Windows ends the process after about five seconds whatever happens.
constexpr int kCloseWaitMilliseconds = 4500;
constexpr int kCloseWaitStep = 50;

void Write(DWORD which, std::string_view text) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (g_stop->exchange(true) && event == CTRL_C_EVENT) {
        return FALSE;  // the second Ctrl+C ends the program at once
    }
    if (event == CTRL_CLOSE_EVENT) {
        for (int waited = 0; !g_ended && waited < kCloseWaitMilliseconds;
             waited += kCloseWaitStep) {
            Sleep(kCloseWaitStep);
        }
    }
    return TRUE;
}

}  // namespace

void WriteStandardOutput(std::string_view text) {
    Write(STD_OUTPUT_HANDLE, text);
}

void WriteStandardError(std::string_view text) {
    Write(STD_ERROR_HANDLE, text);
}

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void StopOnInterrupt(std::atomic<bool>& stop) {
    g_stop = &stop;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void RunEnded() {
    g_ended = true;
}

std::vector<std::string> ProgramArguments(int, char*[]) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        args.push_back(Narrow(wide[i]));
    }
    LocalFree(wide);
    return args;
}
