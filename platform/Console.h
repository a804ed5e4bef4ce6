// Console: what the command-line program needs of the system's console.
//
// Texts are UTF-8. On Windows a console is written in UTF-16, so that it
// shows Japanese whatever its code page; redirected output is UTF-8 there as
// everywhere.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

void WriteStandardOutput(std::string_view text);
void WriteStandardError(std::string_view text);

// True when standard error is a terminal (a console on Windows).
bool StandardErrorIsTerminal();

// Sets stop when the user presses Ctrl+C or the console is closed; a
// second Ctrl+C ends the program at once.
void StopOnInterrupt(std::atomic<bool>& stop);

// Tells a console that is closing that the run has ended and it may go.
void RunEnded();

// The program's arguments after its name, as UTF-8 on Windows and as given
// elsewhere.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);
