// copy-files: the plain copy that the Windows build's backup is timed against
// under Wine: CopyFileW of every file of one folder into another, each copy
// optionally flushed (FlushFileBuffers) as the engine flushes every file it
// writes on Windows.
//
//   copy-files [--flush] <source folder> <destination folder>
//
// Folders end with a separator. Exits 0 when every file was copied, 1 on a
// failure (printed), 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::wstring Wide(const char* text) {
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size - 1 : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
    return wide;
}

bool Flush(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool flushed = ::FlushFileBuffers(file) != 0;
    return ::CloseHandle(file) != 0 && flushed;
}

}  // namespace

int main(int argc, char** argv) {
    const bool flush = argc == 4 && std::strcmp(argv[1], "--flush") == 0;
    if (argc != 3 + (flush ? 1 : 0)) {
        std::fputs("usage: copy-files [--flush] <source folder> <destination folder>\n", stderr);
        return 2;
    }
    const std::wstring from = Wide(argv[argc - 2]);
    const std::wstring to = Wide(argv[argc - 1]);
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "copy-files: cannot list %s\n", argv[argc - 2]);
        return 1;
    }
    int failed = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        const std::wstring target = to + found.cFileName;
        if (!::CopyFileW((from + found.cFileName).c_str(), target.c_str(), FALSE) ||
            (flush && !Flush(target))) {
            std::fprintf(stderr, "copy-files: error %lu\n", ::GetLastError());
            failed = 1;
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return failed;
}
