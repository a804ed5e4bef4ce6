// Prompts: every message box and folder browser the program shows.
//
// All of them go through one replaceable Prompts object, so that the dialogs
// run unchanged under tests that answer with a script and record what was
// asked. Without an installed object the platform's own are used
// (SystemPrompts: message boxes and the folder browser of Qt or of Windows).
#pragma once

#include <string>

class CDialog;

enum class MessageIcon { kInformation, kQuestion, kWarning };
enum class MessageButtons { kOk, kYesNo };  // Yes/No has Yes as the default button
enum class MessageAnswer { kOk, kYes, kNo };

// How a folder browser ended (BrowseFolder).
enum class BrowseResult { kChosen = 1, kCancelled = 2 };

class Prompts {
  public:
    virtual ~Prompts() = default;

    // Shows text under caption (both UTF-8) with icon and buttons, owned by
    // owner (nullptr: no owner). Returns the button pressed; closing a Yes/No
    // box counts as No.
    virtual MessageAnswer ShowMessage(const CDialog* owner, const std::string& caption,
                                      const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;

    // Lets the user choose a folder, showing prompt (UTF-8). Returns kChosen
    // with the folder's path in path as the engine's folder text (empty when
    // the chosen item has no file-system path), or kCancelled leaving path as
    // it was.
    virtual BrowseResult BrowseFolder(const CDialog* owner, const std::string& prompt,
                                      std::string& path) = 0;
};

// The platform's own prompts, defined by the implementation the build links.
Prompts& SystemPrompts();

// Makes prompts the object every later prompt goes through; nullptr restores
// the platform's own. The caller keeps prompts alive while it is installed.
void InstallPrompts(Prompts* prompts);

// Returns the installed Prompts object.
Prompts& ActivePrompts();

// Shorthand for ActivePrompts().ShowMessage.
MessageAnswer ShowMessageBox(const CDialog* owner, const std::string& caption,
                             const std::string& text, MessageIcon icon, MessageButtons buttons);
