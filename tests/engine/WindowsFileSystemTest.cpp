// Where Windows differs from POSIX: the read-only attribute, files held by
// another program, a file system that folds letter case and gives short
// names, "\" beside "/", and an environment file in code page 932.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "config/EnvFile.h"
#include "engine/DataFolder.h"
#include "tests/engine/ImportHook.h"
#include "tests/support/TempFolder.h"

namespace {

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(size));
    return wide;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return text;
}

std::string Backslashed(std::string text) {
    for (char& c : text) {
        c = c == '/' ? '\\' : c;
    }
    return text;
}

// The folder by another drive letter: under Wine, Z: reaches the whole Unix
// tree, and so every folder of C: as well; nullopt elsewhere.
std::optional<std::string> OnDriveZ(const std::string& folder) {
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr) {
        return std::nullopt;
    }
    char* path = unixName(Wide(folder).c_str());
    if (path == nullptr) {
        return std::nullopt;
    }
    std::string text = "Z:" + Backslashed(path);
    ::HeapFree(::GetProcessHeap(), 0, path);
    return text;
}

// Holds a file open as a virus scanner does: others may read it, but not
// delete or replace it.
class Hold {
  public:
    explicit Hold(const std::string& path)
        : handle_(::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr)) {}
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() { Release(); }

    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (held()) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

  private:
    HANDLE handle_;
};

// One Win32 call made to fail, as the hooks below see it: the nth call of
// function fails with error.
struct PlantedFailure {
    const char* function;
    int nth;
    DWORD error;
    int calls = 0;
};
PlantedFailure g_planted{"", 0, 0};

// True when this call of function is the planted one.
bool FailsNow(const char* function) {
    if (std::strcmp(function, g_planted.function) != 0) {
        return false;
    }
    return ++g_planted.calls == g_planted.nth;
}

using FindNextFileWFunction = BOOL(WINAPI*)(HANDLE, LPWIN32_FIND_DATAW);
using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
FindNextFileWFunction g_findNextFile = nullptr;
WriteFileFunction g_writeFile = nullptr;

BOOL WINAPI FindNextFileFailing(HANDLE find, LPWIN32_FIND_DATAW data) {
    if (FailsNow("FindNextFileW")) {
        ::SetLastError(g_planted.error);
        return FALSE;
    }
    return g_findNextFile(find, data);
}

BOOL WINAPI WriteFileFailing(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                             LPOVERLAPPED overlapped) {
    if (FailsNow("WriteFile")) {
        ::SetLastError(g_planted.error);
        return FALSE;
    }
    return g_writeFile(file, data, size, written, overlapped);
}

// The flushes and moves the program makes, in their order: "F name" when the
// file then named name has been flushed, "M from>to" for a move. Flushes may
// come from another thread.
std::mutex g_placingsLock;
std::vector<std::string> g_placings;
using FlushFileBuffersFunction = BOOL(WINAPI*)(HANDLE);
using MoveFileExWFunction = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);
FlushFileBuffersFunction g_flush = nullptr;
MoveFileExWFunction g_move = nullptr;

std::string LeafName(const wchar_t* path) {
    const std::wstring whole = path;
    const std::wstring wide = whole.substr(whole.find_last_of(L"\\/") + 1);
    return std::string(wide.begin(), wide.end());  // the test's names are ASCII
}

void Record(std::string placing) {
    std::lock_guard lock(g_placingsLock);
    g_placings.push_back(std::move(placing));
}

BOOL WINAPI FlushFileBuffersRecorded(HANDLE file) {
    wchar_t path[MAX_PATH] = {};
    ::GetFinalPathNameByHandleW(file, path, MAX_PATH, FILE_NAME_NORMALIZED);
    ::Sleep(150);  // a slow disk: whoever waits for the flush must really wait
    const BOOL flushed = g_flush(file);
    Record("F " + LeafName(path));
    return flushed;
}

BOOL WINAPI MoveFileExWRecorded(LPCWSTR from, LPCWSTR to, DWORD flags) {
    const BOOL moved = g_move(from, to, flags);
    Record("M " + LeafName(from) + ">" + LeafName(to));
    return moved;
}

BOOL WINAPI FlushFileBuffersFailing(HANDLE file) {
    if (FailsNow("FlushFileBuffers")) {
        ::SetLastError(g_planted.error);
        return FALSE;
    }
    return g_flush(file);
}

class WindowsFileSystemTest : public ::testing::Test {
  protected:
    OperationReport CopyMaster() {
        NoWaitIndicator indicator;
        OperationReport report;
        RunOperation(indicator, KIND_CARRY_OVER, src_.text(), dst_.text(), "t", &report);
        return report;
    }

    // The report's row for name.
    static FileResult RowOf(const OperationReport& report, const std::string& name) {
        for (const FileResult& row : report.files) {
            if (row.name == name) {
                return row;
            }
        }
        return {name, FileStatus::kAbsent, 0};
    }

    TempFolder src_;
    TempFolder dst_;
};

TEST_F(WindowsFileSystemTest, AReadOnlyDestinationFileIsNotReplaced) {
    src_.Write("ZELBAS00.DAT", "base\n");
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    const std::wstring target = Wide(dst_.text() + "ZELCODB0.DAT");
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const FileResult row = RowOf(CopyMaster(), "ZELCODB0.DAT");
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(row.status, FileStatus::kReadOnly);
    EXPECT_EQ(row.systemError, EACCES);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "old\r\n");
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"ZELCODB0.DAT", "zelbas00.dat"}));
}

TEST_F(WindowsFileSystemTest, AFileHeldForAMomentIsReplacedOnceReleased) {
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    Hold hold(dst_.text() + "ZELCODB0.DAT");
    ASSERT_TRUE(hold.held());
    std::thread release([&hold] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        hold.Release();
    });
    const int copied = CopyDataFile("ZELCODB0.DAT", src_.text(), dst_.text());
    release.join();
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "new\r\n");
    EXPECT_EQ(dst_.Names(), std::vector<std::string>{"ZELCODB0.DAT"});
}

TEST_F(WindowsFileSystemTest, AFileHeldThroughoutKeepsItsContent) {
    src_.Write("ZELBAS00.DAT", "base\n");
    src_.Write("ZELCODB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    Hold hold(dst_.text() + "ZELCODB0.DAT");
    ASSERT_TRUE(hold.held());
    const auto start = std::chrono::steady_clock::now();
    const FileResult row = RowOf(CopyMaster(), "ZELCODB0.DAT");
    const auto waited = std::chrono::steady_clock::now() - start;
    hold.Release();
    EXPECT_EQ(row.status, FileStatus::kWriteFailed);
    // Windows and Wine answer a held target with access denied or a sharing
    // violation.
    EXPECT_TRUE(row.systemError == EACCES || row.systemError == EBUSY) << row.systemError;
    EXPECT_LT(waited, std::chrono::seconds(5)) << "the wait is bounded";
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "old\r\n");
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"ZELCODB0.DAT", "zelbas00.dat"}))
        << "no temporary left";
}

// Other letter case, "\" for "/", and the short name where the file system
// gives one, all reach one folder: it is never copied onto itself.
TEST_F(WindowsFileSystemTest, OtherSpellingsOfAFolderAreThatFolder) {
    src_.Write("ZELCODB0.DAT", "mine\n");
    const std::string sub = src_.MakeFolder("Long Folder Name");
    std::vector<std::string> spellings = {Upper(sub), Backslashed(sub), Backslashed(sub) + ".\\"};
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD shortSize = ::GetShortPathNameW(Wide(sub).c_str(), shortPath, MAX_PATH);
    ASSERT_GT(shortSize, 0u);
    const std::wstring shortName(shortPath, shortSize);
    ASSERT_EQ(shortName.find(L"Long Folder Name"), std::wstring::npos)
        << "the file system gave no short name";
    std::string shortText(shortSize * 3, '\0');
    shortText.resize(static_cast<std::size_t>(::WideCharToMultiByte(
        CP_UTF8, 0, shortName.data(), static_cast<int>(shortName.size()), shortText.data(),
        static_cast<int>(shortText.size()), nullptr, nullptr)));
    spellings.push_back(shortText);
    if (const std::optional<std::string> other = OnDriveZ(sub)) {
        spellings.push_back(*other);
    }
    for (const std::string& spelling : spellings) {
        EXPECT_EQ(IsSameFolder(sub, spelling), 1) << spelling;
        EXPECT_EQ(IsSameFolder(spelling, src_.text()), 0) << spelling;
    }
    for (const std::string& spelling : {Upper(src_.text()), Backslashed(src_.text())}) {
        EXPECT_EQ(CopyDataFile("zelcodb0.dat", src_.text(), spelling), 0) << spelling;
    }
    EXPECT_EQ(src_.Read("ZELCODB0.DAT"), "mine\n");
}

TEST_F(WindowsFileSystemTest, BackslashesSeparateFoldersAsSlashesDo) {
    src_.Write("yearZELCODB0.DAT", "prefixed\n");
    src_.Write("yearA.ZEL", "a\n");
    const std::string from = Backslashed(src_.text()) + "YEAR";
    const std::string to = Backslashed(dst_.text());
    EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", from, to), 1);
    EXPECT_EQ(CopyDataFiles("*.ZEL", from, to), 1);
    EXPECT_EQ(dst_.Names(), (std::vector<std::string>{"A.ZEL", "ZELCODB0.DAT"}));
    EXPECT_EQ(dst_.Read("ZELCODB0.DAT"), "prefixed\r\n");
}

// The family writes zeldefs8.env in code page 932; the folder it names, here
// "データ" (data), is reached through the engine's UTF-8 text.
TEST_F(WindowsFileSystemTest, AShiftJisEnvironmentFileNamesAJapaneseFolder) {
    const std::string folder = src_.MakeFolder("\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF");
    std::string base;
    for (int line = 1; line <= 26; ++line) {
        base += (line == 23 ? std::string("\x97\xDF\x98\x61\x82\x57\x94\x4E") : "x") + "\r\n";
    }
    src_.Write("\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF/ZELBAS00.DAT", base);
    src_.Write("zeldefs8.env",
               "[PATH]=" + Backslashed(src_.text()) + "\x83\x66\x81\x5B\x83\x5E\\\r\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(src_.path());
    const int loaded = LoadEnvFile("zeldefs8.env");
    std::filesystem::current_path(previous);
    ASSERT_EQ(loaded, 1);
    EXPECT_EQ(g_szDataPath, Backslashed(folder));
    std::string title;
    EXPECT_EQ(ReadTitle(g_szDataPath, title), 1);
    EXPECT_EQ(title, "\x97\xDF\x98\x61\x82\x57\x94\x4E") << "titles stay Shift-JIS bytes";
}

// The path limit counts code page 932 bytes, as the family's programs do: a
// Japanese folder within 256 of them holds files although its UTF-8 text is
// longer; one byte more is refused. (Folders of at most 40 characters: the
// Linux file system under Wine takes 255 UTF-8 bytes a name.)
TEST_F(WindowsFileSystemTest, ThePathLimitCountsCodePage932Bytes) {
    const std::string name = "ZELCODB0.DAT";
    const std::string& prefix = dst_.text();
    ASSERT_TRUE(std::all_of(prefix.begin(), prefix.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    std::size_t budget = kMaxPathBytes - prefix.size() - name.size();
    std::string folder;
    // Folders of あ (two bytes each) and their "/", leaving two or three bytes
    // for a last folder of "x".
    while (budget >= 5) {
        const std::size_t characters = std::min<std::size_t>(40, (budget - 3) / 2);
        std::string part;
        for (std::size_t i = 0; i < characters; ++i) {
            part += "\xE3\x81\x82";  // あ: two bytes in code page 932, three in UTF-8
        }
        folder += part + "/";
        budget -= 2 * characters + 1;
        dst_.MakeFolder(folder);
    }
    folder += std::string(budget - 1, 'x') + "/";
    dst_.MakeFolder(folder);
    const std::string fits = prefix + folder;
    const std::string over = dst_.MakeFolder(folder + "y");
    src_.Write(name, "data\n");
    ASSERT_EQ(fits.size() + name.size() > kMaxPathBytes, true) << "the UTF-8 text alone is over";
    EXPECT_EQ(CopyDataFile(name, src_.text(), fits), 1);
    EXPECT_EQ(dst_.Read(folder + name), "data\r\n");
    EXPECT_EQ(CopyDataFile(name, src_.text(), over), 0);
    EXPECT_FALSE(dst_.Exists(folder + "y/" + name));
}

// A Win32 call that fails is a failure with the nearest errno, never taken
// for the end of a listing or for a complete write.
TEST_F(WindowsFileSystemTest, AFailingSystemCallIsReportedWithItsMeaning) {
    struct Row {
        const char* what;
        const char* function;
        void* replacement;
        DWORD error;
        FileStatus status;
        int systemError;
    } rows[] = {
        {"a listing fails part-way", "FindNextFileW", reinterpret_cast<void*>(&FindNextFileFailing),
         ERROR_NOT_READY, FileStatus::kFolderUnreadable, EIO},
        {"the user's disk quota is full", "WriteFile", reinterpret_cast<void*>(&WriteFileFailing),
         1295 /* ERROR_DISK_QUOTA_EXCEEDED */, FileStatus::kDiskFull, ENOSPC},
        {"a new file's flush, behind the copy of the next, fails", "FlushFileBuffers",
         reinterpret_cast<void*>(&FlushFileBuffersFailing), ERROR_NOT_READY,
         FileStatus::kWriteFailed, EIO},
    };
    for (const char* name : {"ZELBAS00.DAT", "A.ZEL", "B.ZEL", "C.ZEL"}) {
        src_.Write(name, "data\n");
    }
    for (const Row& row : rows) {
        TempFolder dst;
        g_planted = {row.function, 2, row.error};
        ImportHook hook("kernel32.dll", row.function, row.replacement);
        ASSERT_TRUE(hook.installed()) << row.what;
        g_findNextFile = reinterpret_cast<FindNextFileWFunction>(hook.original());
        g_writeFile = reinterpret_cast<WriteFileFunction>(hook.original());
        g_flush = reinterpret_cast<FlushFileBuffersFunction>(hook.original());
        NoWaitIndicator indicator;
        OperationReport report;
        RunOperation(indicator, KIND_BACKUP, src_.text(), dst.text(), "t", &report);
        EXPECT_GE(g_planted.calls, 2) << row.what;
        const std::vector<FileResult> failures = report.Failures();
        EXPECT_TRUE(std::any_of(failures.begin(), failures.end(), [&row](const FileResult& f) {
            return f.status == row.status && f.systemError == row.systemError;
        })) << row.what;
    }
}

// Without a volume flush for everyone, each written file is flushed on its
// own: a replacement before it takes the old file's place, a new file by the
// time the operation ends (behind the copy of the next), so the completion
// message finds every file on disk.
TEST_F(WindowsFileSystemTest, EveryWrittenFileIsFlushedBeforeTheOperationEnds) {
    src_.Write("ZELBAS00.DAT", "base\n");
    src_.Write("ZELCODB0.DAT", "new\n");
    src_.Write("ZELLCOB0.DAT", "new\n");
    dst_.Write("ZELCODB0.DAT", "old\r\n");
    ImportHook flush("kernel32.dll", "FlushFileBuffers",
                     reinterpret_cast<void*>(&FlushFileBuffersRecorded));
    ImportHook move("kernel32.dll", "MoveFileExW", reinterpret_cast<void*>(&MoveFileExWRecorded));
    ASSERT_TRUE(flush.installed() && move.installed());
    g_flush = reinterpret_cast<FlushFileBuffersFunction>(flush.original());
    g_move = reinterpret_cast<MoveFileExWFunction>(move.original());
    g_placings.clear();
    const OperationReport report = CopyMaster();
    EXPECT_FALSE(report.HasFailures());
    const std::vector<std::string> placings = [] {
        std::lock_guard lock(g_placingsLock);
        return g_placings;
    }();
    std::vector<std::string> placed;
    for (auto moved = placings.begin(); moved != placings.end(); ++moved) {
        if (moved->rfind("M ", 0) != 0) {
            continue;
        }
        const std::size_t arrow = moved->find('>');
        const std::string from = moved->substr(2, arrow - 2);
        const std::string to = moved->substr(arrow + 1);
        placed.push_back(to);
        const bool flushedBefore = std::find(placings.begin(), moved, "F " + from) != moved;
        // After the move a flush may name the file by either name.
        const bool flushedAfter = std::find(moved, placings.end(), "F " + from) != placings.end() ||
                                  std::find(moved, placings.end(), "F " + to) != placings.end();
        EXPECT_TRUE(to == "ZELCODB0.DAT" ? flushedBefore : flushedBefore || flushedAfter)
            << to << " in " << ::testing::PrintToString(placings);
    }
    EXPECT_EQ(placed, (std::vector<std::string>{"zelbas00.dat", "ZELCODB0.DAT", "ZELLCOB0.DAT"}));
}

// A replacement keeps the marks Windows users set on the old file.
TEST_F(WindowsFileSystemTest, AReplacementKeepsTheOldFilesAttributes) {
    src_.Write("ZELCODB0.DAT", "new\n");
    for (const DWORD attributes :
         {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}, DWORD{FILE_ATTRIBUTE_ARCHIVE},
          DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE}}) {
        TempFolder dst;
        dst.Write("ZELCODB0.DAT", "old\r\n");
        const std::wstring target = Wide(dst.text() + "ZELCODB0.DAT");
        ASSERT_TRUE(::SetFileAttributesW(target.c_str(), attributes));
        EXPECT_EQ(CopyDataFile("ZELCODB0.DAT", src_.text(), dst.text()), 1) << attributes;
        const DWORD kept = ::GetFileAttributesW(target.c_str());
        ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(dst.Read("ZELCODB0.DAT"), "new\r\n") << attributes;
        // A written file is marked for the next backup (archive) in any case.
        EXPECT_EQ(kept & attributes, attributes) << attributes;
    }
}

}  // namespace
