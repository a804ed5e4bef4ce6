// Application: what the platform needs set up before a dialog can show, for
// as long as the program runs.
#pragma once

#include <memory>
#include <string>

class ApplicationScope {
  public:
    // Sets up the platform's application for this process: on Qt the
    // QApplication (it reads its own options from argc/argv) with Qt's
    // standard texts in Japanese; on Win32 the common controls and COM for
    // the shell's folder browser. version is the program's version text.
    ApplicationScope(int& argc, char** argv, const char* version);
    ~ApplicationScope();
    ApplicationScope(const ApplicationScope&) = delete;
    ApplicationScope& operator=(const ApplicationScope&) = delete;

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The program file's name without folder and extension ("fileutility"): the
// caption of the framework's own messages.
std::string ApplicationName();
