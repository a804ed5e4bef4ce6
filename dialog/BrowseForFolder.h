// BrowseForFolder: the folder picker of the main dialog.
#pragma once

#include <QString>

class QWidget;

// Shows the folder browser under the title prompt, owned by owner. Returns 1
// when the user confirmed a choice (path then holds the chosen folder, or the
// empty text when the chosen item has no file-system path) and 2 when the
// user cancelled (path untouched).
int BrowseForFolder(QWidget* owner, const QString& prompt, QString& path);

// Returns path ending with the separator "/"; the empty path stays empty (an
// item without a file-system path is no folder text).
QString WithTrailingSeparator(const QString& path);
