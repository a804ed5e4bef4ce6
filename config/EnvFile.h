// EnvFile: the environment file "zeldefs8.env" and the default data folder.
//
// The environment file names the folder that holds the current data on a
// line "[PATH]=<folder text>". It is read once at start-up; the folder text
// is kept in g_szDataPath, which the main dialog takes as its default source
// folder: exactly as the file gives it on POSIX; on Windows, where the family
// writes the file in code page 932, turned into the engine's UTF-8.
#pragma once

#include <string>

// The default data folder of this run: empty until LoadEnvFile sets it.
extern std::string g_szDataPath;

// Reads fileName (opened relative to the current directory; the name spelt
// exactly wins, else it is found without regard to case) in text mode, in
// pieces of at most 255 bytes. Every piece whose first six characters are
// "[PATH]" (letters compared without regard to case) sets g_szDataPath to the
// piece from its eighth character on, without its line end: the last such
// piece wins. A piece of six or seven characters sets the empty text; a value
// stops at a NUL byte, since no folder text can hold one. A file without a
// "[PATH]" piece leaves g_szDataPath unchanged. Returns 1 when the file opens
// and reads to its end (with or without a "[PATH]" line); returns 0, leaving
// g_szDataPath unchanged, when it cannot be opened as a regular file (missing,
// a folder, a FIFO) or a read fails.
int LoadEnvFile(const char* fileName);
