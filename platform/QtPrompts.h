// QtPrompts: the message boxes and folder browser of a running program,
// shown with QMessageBox and FolderBrowser.
#pragma once

#include "platform/Prompts.h"

class QtPrompts final : public Prompts {
  public:
    // A modal QMessageBox; the Escape key and the close box answer No (or OK).
    MessageAnswer ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override;

    // A modal FolderBrowser showing prompt; キャンセル, the Escape key and the
    // close box cancel.
    int BrowseFolder(QWidget* owner, const QString& prompt, std::string& path) override;
};
