// BrowseForFolder: the folder picker of the main dialog.
#pragma once

#include <QString>
#include <string>

class QWidget;

// Shows the folder browser with prompt above its folders, owned by owner. Returns 1
// when the user confirmed a choice (path then holds the chosen folder as the
// file system's bytes, or is empty when the chosen item has no file-system
// path) and 2 when the user cancelled (path untouched).
int BrowseForFolder(QWidget* owner, const QString& prompt, std::string& path);

// Returns path ending with the separator "/"; the empty path stays empty (an
// item without a file-system path is no folder text).
std::string WithTrailingSeparator(std::string path);
