// The Win32 side of FileSystem.h: wide-character calls only, binary files
// (the engine's text mode is the only translation), UTF-8 texts turned into
// UTF-16 at each call.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "engine/FileSystem.h"
#include "engine/FlushBehind.h"
#include "widetext/WideText.h"

const std::string_view kPathSeparators = "\\/:";

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// A replaced file keeps these attributes; read-only files are never replaced.
constexpr DWORD kCarriedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
// A scanner or indexer holds a new file for a moment: the rename is tried
// again for about a second before it counts as failed.
constexpr int kRenameAttempts = 10;
constexpr DWORD kRenamePauseMs = 100;
// Reads and writes go in pieces a DWORD can count.
constexpr std::size_t kMaxPiece = std::size_t{1} << 30;

// Not in every SDK's headers.
constexpr DWORD kErrorDiskQuotaExceeded = 1295;

int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EBUSY;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case kErrorDiskQuotaExceeded:  // reads as a full disk, as EDQUOT does on Linux
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        default:
            return EIO;
    }
}

int LastErrno() {
    return ErrnoOf(::GetLastError());
}

HANDLE Handle(const FileHandle& file) {
    return reinterpret_cast<HANDLE>(file.native());
}

FileHandle Own(HANDLE handle) {
    return FileHandle(handle == INVALID_HANDLE_VALUE ? -1
                                                     : reinterpret_cast<std::intptr_t>(handle));
}

// Opens path as CreateFileW does; an invalid FileHandle with the errno otherwise.
FileHandle OpenPath(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                    DWORD flags, int& error) {
    const std::optional<std::wstring> wide = WidenExactly(path);
    if (!wide) {
        error = ENOENT;
        return FileHandle();
    }
    FileHandle file =
        Own(::CreateFileW(wide->c_str(), access, share, nullptr, disposition, flags, nullptr));
    error = file.valid() ? 0 : LastErrno();
    return file;
}

int FactsOfHandle(HANDLE handle, FileFacts& facts) {
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        facts = FileFacts{};
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        return LastErrno();
    }
    facts.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::kDirectory
                                                                         : EntryKind::kRegular;
    facts.identity = {info.dwVolumeSerialNumber,
                      std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
    facts.permissions = info.dwFileAttributes & kCarriedAttributes;
    facts.readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.size = std::uint64_t{info.nFileSizeHigh} << 32 | info.nFileSizeLow;
    facts.modified =
        static_cast<std::int64_t>(std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32 |
                                  info.ftLastWriteTime.dwLowDateTime) *
        100;
    return 0;
}

// Held for a moment by another program: worth another try.
bool IsPassingHold(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

std::wstring_view LastComponent(std::wstring_view path) {
    const std::size_t at = path.find_last_of(L"\\/:");
    return at == std::wstring_view::npos ? path : path.substr(at + 1);
}

// The system's own file system: every call goes straight to the system.
class Win32FileSystem final : public FileSystem {
  public:
    int QueryPath(const std::string& path, FileFacts& facts) override;
    bool EntryExists(const std::string& path) override;
    int OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) override;
    int QueryOpenFile(const FileHandle& file, FileFacts& facts) override;
    int ReadSome(const FileHandle& file, char* buffer, std::size_t size, std::size_t& got) override;
    int Rewind(const FileHandle& file) override;
    bool CopiesWithinSystem() const override { return false; }
    int CopyWithinSystem(const FileHandle& from, const FileHandle& to, std::uint64_t size) override;
    int WriteAll(const FileHandle& file, const char* data, std::size_t size) override;
    int CreateNewFile(const std::string& path, FileHandle& file) override;
    int CreateUnnamedFile(const std::string& directory, FileHandle& file) override;
    int NameUnnamedFile(const FileHandle& file, const std::string& path) override;
    int WriteAccessRefusal(const std::string& path) override;
    int SetPermissions(const FileHandle& file, std::uint32_t permissions) override;
    int SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) override;
    int FlushWrittenFile(const FileHandle& file, bool replacing) override;
    int CloseFile(FileHandle& file) override { return file.Close(); }
    int FlushVolumeOf(const std::string& directory) override;
    int RenameReplacing(const std::string& from, const std::string& to) override;
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override;
    bool IsOutOfSpace(int error) const override;
    void RemoveFile(const std::string& path) override;
    int ListFolder(const std::string& directory, std::vector<std::string>& names) override;
    int MakeFolder(const std::string& path) override;
    std::size_t PathBytes(std::string_view path) const override;
    std::string FolderTextFromFamilyText(std::string_view text) const override;
};

// Moves from to to with flags, waiting boundedly for a file another program
// holds for a moment.
int MoveWithRetries(const std::string& from, const std::string& to, DWORD flags) {
    const std::optional<std::wstring> wideFrom = WidenExactly(from);
    const std::optional<std::wstring> wideTo = WidenExactly(to);
    if (!wideFrom || !wideTo) {
        return ENOENT;
    }
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(wideFrom->c_str(), wideTo->c_str(), flags | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        const DWORD error = ::GetLastError();
        if (!IsPassingHold(error) || attempt == kRenameAttempts) {
            return ErrnoOf(error);
        }
        ::Sleep(kRenamePauseMs);
    }
}

}  // namespace

FileSystem& FileSystem::Default() {
    static Win32FileSystem system;
    return system;
}

int FileHandle::Close() {
    if (handle_ == kNone) {
        return 0;
    }
    const auto handle = reinterpret_cast<HANDLE>(handle_);
    handle_ = kNone;
    return ::CloseHandle(handle) ? 0 : LastErrno();
}

int Win32FileSystem::QueryPath(const std::string& path, FileFacts& facts) {
    // No access rights: only the facts are wanted; backup semantics open
    // folders too.
    int error = 0;
    const FileHandle file =
        OpenPath(path, 0, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, error);
    return file.valid() ? FactsOfHandle(Handle(file), facts) : error;
}

// The file system folds case beyond what the engine folds; an entry counts
// only when it is stored spelt exactly as asked, so that the engine's own
// choice among names stays the only one.
bool Win32FileSystem::EntryExists(const std::string& path) {
    const std::optional<std::wstring> wide = WidenExactly(path);
    if (!wide || wide->find_first_of(L"*?") != std::wstring::npos) {
        return false;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileExW(wide->c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::FindClose(find);
    return LastComponent(*wide) == found.cFileName;
}

int Win32FileSystem::OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) {
    int error = 0;
    FileHandle opened = OpenPath(path, GENERIC_READ, kShareAll, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, error);
    if (!opened.valid()) {
        return error;
    }
    if (const int factsError = FactsOfHandle(Handle(opened), facts)) {
        return factsError;
    }
    file = std::move(opened);
    return 0;
}

int Win32FileSystem::QueryOpenFile(const FileHandle& file, FileFacts& facts) {
    return FactsOfHandle(Handle(file), facts);
}

int Win32FileSystem::ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                              std::size_t& got) {
    DWORD read = 0;
    if (!::ReadFile(Handle(file), buffer, static_cast<DWORD>(std::min(size, kMaxPiece)), &read,
                    nullptr)) {
        return LastErrno();
    }
    got = read;
    return 0;
}

int Win32FileSystem::Rewind(const FileHandle& file) {
    return ::SetFilePointerEx(Handle(file), LARGE_INTEGER{}, nullptr, FILE_BEGIN) ? 0 : LastErrno();
}

int Win32FileSystem::CopyWithinSystem(const FileHandle& /*from*/, const FileHandle& /*to*/,
                                      std::uint64_t /*size*/) {
    return EOPNOTSUPP;
}

int Win32FileSystem::WriteAll(const FileHandle& file, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!::WriteFile(Handle(file), data, static_cast<DWORD>(std::min(size, kMaxPiece)),
                         &written, nullptr)) {
            return LastErrno();
        }
        if (written == 0) {
            return EIO;
        }
        data += written;
        size -= written;
    }
    return 0;
}

int Win32FileSystem::CreateNewFile(const std::string& path, FileHandle& file) {
    int error = 0;
    // Others may read and move it: a new file is moved into place, and read by
    // whoever wants it, while the flushing worker still holds it.
    FileHandle created = OpenPath(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, error);
    if (created.valid()) {
        file = std::move(created);
    }
    return error;
}

int Win32FileSystem::CreateUnnamedFile(const std::string& /*directory*/, FileHandle& /*file*/) {
    return EOPNOTSUPP;
}

int Win32FileSystem::NameUnnamedFile(const FileHandle& /*file*/, const std::string& /*path*/) {
    return EOPNOTSUPP;
}

int Win32FileSystem::WriteAccessRefusal(const std::string& /*path*/) {
    return 0;
}

int Win32FileSystem::SetPermissions(const FileHandle& file, std::uint32_t permissions) {
    if (permissions == 0) {
        return 0;
    }
    FILE_BASIC_INFO info{};  // times of 0 stay as they are
    info.FileAttributes = permissions;
    return ::SetFileInformationByHandle(Handle(file), FileBasicInfo, &info, sizeof info)
               ? 0
               : LastErrno();
}

int Win32FileSystem::SetOwner(const FileHandle& /*file*/, std::uint32_t /*owner*/,
                              std::uint32_t /*group*/) {
    return 0;
}

namespace {

// Flushes and closes a handle the flushing worker was given.
int FlushAndClose(std::intptr_t value) {
    const HANDLE handle = reinterpret_cast<HANDLE>(value);
    int error = ::FlushFileBuffers(handle) ? 0 : LastErrno();
    if (!::CloseHandle(handle) && error == 0) {
        error = LastErrno();
    }
    return error;
}

// Never destroyed: its worker may still wait for work while the program ends.
FlushBehind& Flusher() {
    static FlushBehind& flusher = *new FlushBehind(FlushAndClose);
    return flusher;
}

// A new file's own handle from its flush until it is in place. Only a file in
// place is flushed behind the copy of the next one, so that the flush the
// operation waits for at its end is never that of a file it failed on.
thread_local HANDLE t_unplaced = nullptr;

void LetGoOfUnplaced() {
    if (t_unplaced != nullptr) {
        ::CloseHandle(t_unplaced);
        t_unplaced = nullptr;
    }
}

}  // namespace

int Win32FileSystem::FlushWrittenFile(const FileHandle& file, bool replacing) {
    // A replaced file is on disk before it takes the old one's place.
    LetGoOfUnplaced();
    if (replacing || !::DuplicateHandle(::GetCurrentProcess(), Handle(file), ::GetCurrentProcess(),
                                        &t_unplaced, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        t_unplaced = nullptr;
        return ::FlushFileBuffers(Handle(file)) ? 0 : LastErrno();
    }
    return 0;
}

int Win32FileSystem::FlushVolumeOf(const std::string& /*directory*/) {
    return Flusher().Wait();
}

int Win32FileSystem::RenameReplacing(const std::string& from, const std::string& to) {
    return MoveWithRetries(from, to, MOVEFILE_REPLACE_EXISTING);
}

int Win32FileSystem::RenameWithoutReplacing(const std::string& from, const std::string& to) {
    const int error = MoveWithRetries(from, to, 0);
    if (error == 0 && t_unplaced != nullptr) {
        Flusher().Add(reinterpret_cast<std::intptr_t>(t_unplaced));
        t_unplaced = nullptr;
    }
    LetGoOfUnplaced();
    return error;
}

bool Win32FileSystem::IsOutOfSpace(int error) const {
    return error == ENOSPC;
}

void Win32FileSystem::RemoveFile(const std::string& path) {
    LetGoOfUnplaced();  // a temporary is removed when it will never be placed
    if (const std::optional<std::wstring> wide = WidenExactly(path)) {
        ::DeleteFileW(wide->c_str());
    }
}

int Win32FileSystem::ListFolder(const std::string& directory, std::vector<std::string>& names) {
    std::optional<std::wstring> pattern = WidenExactly(directory);
    if (!pattern) {
        return ENOENT;
    }
    *pattern += L'*';
    WIN32_FIND_DATAW found{};
    const HANDLE find =
        ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : ErrnoOf(error);  // an empty drive root
    }
    do {
        const std::wstring_view wide = found.cFileName;
        if (wide == L"." || wide == L"..") {
            continue;
        }
        // A name with a lone surrogate has no UTF-8 form: no text could reach it.
        if (std::optional<std::string> name = NarrowExactly(wide)) {
            names.push_back(std::move(*name));
        }
    } while (::FindNextFileW(find, &found));
    const DWORD error = ::GetLastError();
    ::FindClose(find);
    return error == ERROR_NO_MORE_FILES ? 0 : ErrnoOf(error);
}

int Win32FileSystem::MakeFolder(const std::string& path) {
    const std::optional<std::wstring> wide = WidenExactly(path);
    if (!wide) {
        return ENOENT;
    }
    return ::CreateDirectoryW(wide->c_str(), nullptr) ? 0 : LastErrno();
}

std::size_t Win32FileSystem::PathBytes(std::string_view path) const {
    constexpr UINT kShiftJis = 932;
    const std::optional<std::wstring> wide = WidenExactly(path);
    if (!wide || wide->empty()) {
        return path.size();
    }
    const int size = ::WideCharToMultiByte(
        kShiftJis, 0, wide->data(), static_cast<int>(wide->size()), nullptr, 0, nullptr, nullptr);
    return size > 0 ? static_cast<std::size_t>(size) : path.size();
}

std::string Win32FileSystem::FolderTextFromFamilyText(std::string_view text) const {
    constexpr UINT kShiftJis = 932;
    if (text.empty()) {
        return {};
    }
    const int size = ::MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(),
                          static_cast<int>(text.size()), wide.data(), size);
    return NarrowExactly(wide).value_or(std::string());
}
