// FileSystem: the few operations the engine asks of the operating system, as
// one interface with one implementation per system (FileSystemLinux.cpp,
// FileSystemWin32.cpp), chosen by the build. Everything above this header is
// the same on both.
//
// The engine never calls the system itself: each Folder carries the file
// system its files live on and hands it down to everything that opens, reads,
// writes or names a file of it. The functions of DataFolder.h and EnvFile.h
// use FileSystem::Default(); RunOperation also takes one, so that the tests
// can put a FileSystemWrapper between the engine and the system and make any
// call fail.
//
// Paths are the engine's texts: bytes on POSIX, handed to the system
// unchanged; UTF-8 on Windows, turned into UTF-16 only at the system calls.
// Failures are errno values (ENOENT, EACCES, ENOSPC, ...) on both systems, so
// reports and their readers need not know which system ran: on Windows the
// system's error codes are mapped to the nearest errno.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The bytes that end a folder part in a path: "/" on POSIX; "\", "/" and the
// ":" of a drive on Windows.
extern const std::string_view kPathSeparators;

// Returns path ending with a folder separator (the system's own is added
// unless it already ends with one); the empty path stays empty (an item
// without a file-system path is no folder text).
inline std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && kPathSeparators.find(path.back()) == std::string_view::npos) {
        path += kPathSeparators.front();
    }
    return path;
}

// One open file (a descriptor or a handle), closed when it goes out of scope.
class FileHandle {
  public:
    FileHandle() = default;
    // Takes over a descriptor or handle that the system gave (-1 for none).
    explicit FileHandle(std::intptr_t handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            static_cast<void>(Close());  // what mattered was closed through FileSystem
            handle_ = other.handle_;
            other.handle_ = kNone;
        }
        return *this;
    }
    // A file still open here was only read, or is being abandoned: its close
    // has nothing left to report.
    ~FileHandle() { static_cast<void>(Close()); }

    bool valid() const { return handle_ != kNone; }
    std::intptr_t native() const { return handle_; }

    // Closes the file. Returns 0 (also when none was open) or the errno of the
    // failed close. The engine closes what it wrote through
    // FileSystem::CloseFile, so that the result can be made to fail.
    [[nodiscard]] int Close();

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
};

enum class EntryKind { kRegular, kDirectory, kOther };  // other: FIFO, socket, device

// What names one file or folder, however it is reached: device and inode on
// POSIX; volume serial number and file index on Windows.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileFacts {
    EntryKind kind = EntryKind::kOther;
    FileIdentity identity;
    // What a replacement carries over: the permission bits on POSIX, the
    // attributes (without read-only) on Windows.
    std::uint32_t permissions = 0;
    // The file's own marks refuse writing: no owner write bit on POSIX, the
    // read-only attribute on Windows.
    bool readOnly = false;
    // Who owns it (POSIX; 0 on Windows), also carried over by a replacement.
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    // Its length, and when its content last changed (nanoseconds since the
    // system's epoch): a file whose two are the same has not been written.
    std::uint64_t size = 0;
    std::int64_t modified = 0;
};

class FileSystem {
  public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    // The system's own file system, for the life of the process.
    static FileSystem& Default();

    // Facts of path, following symbolic links. Returns 0, or the errno
    // (ENOENT for a missing entry or a link to nothing).
    [[nodiscard]] virtual int QueryPath(const std::string& path, FileFacts& facts) = 0;

    // True when an entry of that name exists, of any type (a link to nothing
    // included). Windows: only when it is stored spelt exactly as asked.
    virtual bool EntryExists(const std::string& path) = 0;

    // Opens path for reading, without waiting on a FIFO, and gives the facts
    // of what was opened. Returns 0 or the errno; file stays closed on failure.
    [[nodiscard]] virtual int OpenForReading(const std::string& path, FileHandle& file,
                                             FileFacts& facts) = 0;

    // The facts of an open file, as they are now. Returns 0 or the errno.
    [[nodiscard]] virtual int QueryOpenFile(const FileHandle& file, FileFacts& facts) = 0;

    // Reads at most size bytes into buffer; got is 0 at the end of the file
    // and may be less than size before it. Returns 0 or the errno.
    [[nodiscard]] virtual int ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                                       std::size_t& got) = 0;

    // Moves the position ReadSome reads from back to the file's start.
    // Returns 0 or the errno.
    [[nodiscard]] virtual int Rewind(const FileHandle& file) = 0;

    // Whether CopyWithinSystem can ever copy: true on Linux, false on Windows
    // (whose copy calls take paths, not open files).
    virtual bool CopiesWithinSystem() const = 0;

    // Copies the first size bytes of from to to, at to's position, inside the
    // system (copy_file_range on Linux), so that they never pass through this
    // process. Returns 0 when all size bytes were copied, or the errno (EIO
    // when from ended before); EOPNOTSUPP, with nothing written, where the
    // system cannot copy between these two files (always on Windows): the
    // caller then copies them itself.
    [[nodiscard]] virtual int CopyWithinSystem(const FileHandle& from, const FileHandle& to,
                                               std::uint64_t size) = 0;

    // Writes all size bytes. Returns 0 or the errno (ENOSPC when the volume
    // is full); part of the bytes may be written then.
    [[nodiscard]] virtual int WriteAll(const FileHandle& file, const char* data,
                                       std::size_t size) = 0;

    // Creates path as a new file for writing, with the permissions a new file
    // gets there: 0666 less the umask on POSIX, applied by the system, so the
    // umask is never read or changed (other threads may be creating files).
    // Returns 0 or the errno (EEXIST when an entry of that name exists).
    [[nodiscard]] virtual int CreateNewFile(const std::string& path, FileHandle& file) = 0;

    // Creates a file without a name in directory ("" for the current one),
    // with the permissions CreateNewFile gives, to be named by NameUnnamedFile
    // once complete: a failure or a crash before then leaves nothing behind.
    // Returns 0 or the errno; EOPNOTSUPP where the system or the file system
    // has no such files (always on Windows), and a named temporary must do.
    [[nodiscard]] virtual int CreateUnnamedFile(const std::string& directory, FileHandle& file) = 0;

    // Gives the file made by CreateUnnamedFile the name path, never over an
    // existing entry. Returns 0 or the errno (EEXIST when an entry of that
    // name exists).
    [[nodiscard]] virtual int NameUnnamedFile(const FileHandle& file, const std::string& path) = 0;

    // Whether this process may write the existing file path: 0, or the errno
    // of the refusal. POSIX: the access check for the effective user.
    // Windows: 0, the check is left to the rename, which reports a denial (the
    // read-only attribute is in FileFacts).
    [[nodiscard]] virtual int WriteAccessRefusal(const std::string& path) = 0;

    // Gives a written file the permissions of FileFacts (0 on Windows leaves
    // those it was created with). Returns 0 or the errno (EPERM, ENOSYS or
    // EOPNOTSUPP where the file system keeps no permissions of its own).
    [[nodiscard]] virtual int SetPermissions(const FileHandle& file, std::uint32_t permissions) = 0;

    // Gives a written file the owner and group of FileFacts as far as this
    // process may: root both, anyone else the group, where they belong to it.
    // Windows: nothing to do, returns 0. Returns 0 or the errno (EPERM).
    [[nodiscard]] virtual int SetOwner(const FileHandle& file, std::uint32_t owner,
                                       std::uint32_t group) = 0;

    // Makes a written file durable as far as this system's promise needs
    // before it is renamed into place. Linux: flushed when it replaces a file
    // or lives on FUSE; a new file elsewhere only has its writeback started,
    // and FlushVolumeOf at the end of the operation waits for it. Windows,
    // where a volume flush needs administrator rights: a replaced file is
    // flushed here; a new one once it is in place (RenameWithoutReplacing),
    // on a worker thread, behind the copy of the next file. Returns 0 or the
    // errno.
    [[nodiscard]] virtual int FlushWrittenFile(const FileHandle& file, bool replacing) = 0;

    // Closes a written file. Returns 0 or the errno of the failed close, which
    // may be the first word of a lost write; the file is closed either way.
    [[nodiscard]] virtual int CloseFile(FileHandle& file) = 0;

    // Flushes the file system that holds directory ("" for the current one).
    // Linux: one syncfs, and on FUSE, which syncfs does not reach, the folder
    // itself. Windows: waits for the new files' flushes; their first error.
    // Returns 0 or the errno.
    [[nodiscard]] virtual int FlushVolumeOf(const std::string& directory) = 0;

    // Renames from onto to, replacing an existing to. On Windows a file held
    // for a moment by a scanner or indexer is waited for, briefly and
    // boundedly. Returns 0 or the errno.
    [[nodiscard]] virtual int RenameReplacing(const std::string& from, const std::string& to) = 0;

    // Renames from to to, never over an existing entry, on every file system:
    // where it cannot be refused atomically (no RENAME_NOREPLACE and no hard
    // links, as on FAT), an entry found under to is kept all the same.
    // Returns 0 or the errno (EEXIST when an entry of that name exists).
    [[nodiscard]] virtual int RenameWithoutReplacing(const std::string& from,
                                                     const std::string& to) = 0;

    // True when error says the volume (or the user's quota on it) is full.
    virtual bool IsOutOfSpace(int error) const = 0;

    // Removes the file path; failures are ignored (used to clean up).
    virtual void RemoveFile(const std::string& path) = 0;

    // The names of directory's entries ("" for the current directory),
    // without "." and "..", read in one listing. Returns 0 or the errno; names
    // then holds what was read before the failure.
    [[nodiscard]] virtual int ListFolder(const std::string& directory,
                                         std::vector<std::string>& names) = 0;

    // Creates the directory path (one level). Returns 0 or the errno (EEXIST
    // when an entry of that name exists).
    [[nodiscard]] virtual int MakeFolder(const std::string& path) = 0;

    // The length of path as the family's programs count it against
    // kMaxPathBytes: its bytes on Linux (what the file system gets); on
    // Windows its bytes in code page 932, a character that code page cannot
    // hold counting as Windows' own conversion makes it.
    virtual std::size_t PathBytes(std::string_view path) const = 0;

    // A folder text as the family's own files write it (the system's code
    // page: 932 on Windows) turned into the engine's folder text: unchanged on
    // POSIX, UTF-8 on Windows (bytes that are not code page 932 give an empty
    // text).
    virtual std::string FolderTextFromFamilyText(std::string_view text) const = 0;
};
