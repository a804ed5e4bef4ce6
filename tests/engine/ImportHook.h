// ImportHook (Windows only): puts a function of the test's own in place of a
// system function the program imports, for as long as the hook lives, so that
// a test can count the calls the Win32 file system makes and make one fail,
// as strace does for the system calls on Linux.
//
// It swaps the entry of this program's import table through which every call
// of the program goes (the program is linked statically, so the engine's
// calls go through it too).
#pragma once

class ImportHook {
  public:
    // Replaces dll's function (e.g. "kernel32.dll", "FindNextFileW") with
    // replacement. installed() tells whether the program imports it.
    ImportHook(const char* dll, const char* function, void* replacement);
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;
    ~ImportHook();

    bool installed() const { return slot_ != nullptr; }

    // The system's own function, for the replacement to call.
    void* original() const { return original_; }

  private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
