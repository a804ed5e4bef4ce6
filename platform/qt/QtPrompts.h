// QtPrompts: the message boxes and folder browser of a running program,
// shown with QMessageBox and FolderBrowser.
#pragma once

#include "platform/Prompts.h"

class QtPrompts final : public Prompts {
  public:
    // A modal QMessageBox; the Escape key and the close box answer No (or OK).
    MessageAnswer ShowMessage(const CDialog* owner, const std::string& caption,
                              const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;

    // A modal FolderBrowser showing prompt; キャンセル, the Escape key and the
    // close box cancel.
    BrowseResult BrowseFolder(const CDialog* owner, const std::string& prompt,
                              std::string& path) override;
};
